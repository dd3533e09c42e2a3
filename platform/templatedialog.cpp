#include "templatedialog.h"

#include "colorbutton.h"
#include "dialogfont.h"
#include "editbox.h"
#include "icons.h"
#include "menubar.h"
#include "res/dialogtemplate.h"
#include "res/resource.h"
#include "scrollbar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace tessuvo {

namespace {

constexpr const char* IdProperty = "tessuvoDialogId";

QRect PixelRect(const res::ControlTemplate& c)
{
    const int left = res::DialogUnitsToPixelsX(c.x);
    const int top = res::DialogUnitsToPixelsY(c.y);
    return QRect(QPoint(left, top), QPoint(res::DialogUnitsToPixelsX(c.x + c.width) - 1,
                                           res::DialogUnitsToPixelsY(c.y + c.height) - 1));
}

Qt::Alignment StaticAlignment(res::ControlStyle style)
{
    Qt::Alignment alignment =
        HasStyle(style, res::ControlStyle::Centre) ? Qt::AlignHCenter : Qt::AlignLeft;
    return alignment |
           (HasStyle(style, res::ControlStyle::VCentre) ? Qt::AlignVCenter : Qt::AlignTop);
}

QWidget* CreateControl(const res::ControlTemplate& c, QWidget* parent)
{
    const QString text = QString::fromUtf8(c.text);
    const Qt::FocusPolicy focus =
        HasStyle(c.style, res::ControlStyle::TabStop) ? Qt::StrongFocus : Qt::NoFocus;
    switch (c.kind) {
    case res::ControlKind::Edit:
        return new EditBox(c.style, parent);
    case res::ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setDefault(HasStyle(c.style, res::ControlStyle::DefaultButton));
        // Not Qt's auto-default: the first button to take the focus in a dialog without a
        // default button would stay its default for good. Enter on a focused button is
        // handled by the dialog instead.
        button->setAutoDefault(false);
        button->setFocusPolicy(focus);
        return button;
    }
    case res::ControlKind::ColorButton:
        return new ColorButton(text, parent);
    case res::ControlKind::ScrollBar:
        return new ScrollBar(parent);
    case res::ControlKind::Static: {
        if (HasStyle(c.style, res::ControlStyle::IconImage)) {
            // An icon static names its icon resource and takes the icon's own size.
            auto* icon = new QLabel(parent);
            const QPixmap image =
                QPixmap::fromImage(IconResourceImage(text.toInt(), parent->devicePixelRatioF()));
            icon->setPixmap(image);
            icon->setFixedSize(image.deviceIndependentSize().toSize());
            return icon;
        }
        auto* label = new QLabel(text, parent);
        label->setAlignment(StaticAlignment(c.style));
        label->setTextFormat(Qt::PlainText);
        if (HasStyle(c.style, res::ControlStyle::Sunken))
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case res::ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setFocusPolicy(focus);
        return box;
    }
    case res::ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, parent);
        radio->setFocusPolicy(focus);
        return radio;
    }
    case res::ControlKind::GroupBox: {
        // Only a frame: whatever its place in the template, it lies beneath the controls it
        // frames and never takes their clicks.
        auto* box = new QGroupBox(text, parent);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    }
    return nullptr;
}

// The substitute face sets digits and Latin letters wider than the design font does, so a
// label sized to its text, such as the "255" of a scale or a version line, would lose its
// edges; a centred label grows about its centre instead, a left-aligned one to the right.
void WidenToText(QLabel* label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    const QRect r = label->geometry();
    if (needed <= r.width())
        return;
    const bool centred = label->alignment() & Qt::AlignHCenter;
    label->setGeometry(centred ? r.center().x() - needed / 2 : r.x(), r.y(), needed, r.height());
}

} // namespace

class TemplateDialog::ClientArea final : public QWidget
{
public:
    ClientArea(TemplateDialog* owner) : QWidget(owner), m_owner(owner) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_owner->PaintClient(painter);
    }

private:
    TemplateDialog* m_owner;
};

TemplateDialog::TemplateDialog(int templateId, QWidget* parent) : QDialog(parent)
{
    const res::DialogTemplate* t = res::FindDialogTemplate(templateId);
    // Every id is one of the program's own: a missing one is a fault of the build.
    if (!t)
        qFatal("tessuvo: no dialog template %d", templateId);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (HasStyle(t->style, res::DialogStyle::SystemMenu))
        flags |= Qt::WindowSystemMenuHint;
    if (HasStyle(t->style, res::DialogStyle::MinimizeBox))
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setWindowTitle(QString::fromUtf8(t->caption));
    setFont(DialogFont());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (t->menu) {
        m_menu = new MenuBar(res::FindMenuTemplate(t->menu), this);
        layout->setMenuBar(m_menu);
    }
    m_client = new ClientArea(this);
    m_client->setFixedSize(res::DialogUnitsToPixelsX(t->width),
                           res::DialogUnitsToPixelsY(t->height));
    layout->addWidget(m_client);

    for (const res::ControlTemplate& c : t->controls) {
        QWidget* control = CreateControl(c, m_client);
        control->setGeometry(PixelRect(c));
        control->setProperty(IdProperty, c.id);
        if (c.kind == res::ControlKind::GroupBox)
            control->lower();
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            if (c.id == res::IDOK)
                connect(button, &QPushButton::clicked, this, &QDialog::accept);
            else if (c.id == res::IDCANCEL)
                connect(button, &QPushButton::clicked, this, &QDialog::reject);
        }
        if (auto* button = qobject_cast<ColorButton*>(control))
            button->SetFaceProvider([this, id = c.id] { return ColorButtonFace(id); });
        if (c.kind == res::ControlKind::Static && !HasStyle(c.style, res::ControlStyle::Sunken) &&
            !HasStyle(c.style, res::ControlStyle::IconImage))
            WidenToText(static_cast<QLabel*>(control));
    }
    m_client->installEventFilter(this);
    for (QWidget* widget : m_client->findChildren<QWidget*>())
        widget->installEventFilter(this); // the edit boxes' viewports too
    layout->activate(); // fixes the size now, so that the window can be placed before it shows
}

int TemplateDialog::ControlId(const QWidget* widget)
{
    return widget ? widget->property(IdProperty).toInt() : 0;
}

QWidget* TemplateDialog::GetDlgItem(int id) const
{
    for (QWidget* child : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlId(child) == id)
            return child;
    }
    return nullptr;
}

void TemplateDialog::InitDialogOnce()
{
    if (m_initialised)
        return;
    m_initialised = true;
    OnInitDialog();
}

int TemplateDialog::DoModal()
{
    return exec() == QDialog::Accepted ? res::IDOK : res::IDCANCEL;
}

void TemplateDialog::setVisible(bool visible)
{
    if (visible)
        InitDialogOnce();
    QDialog::setVisible(visible);
}

void TemplateDialog::EndDialog(int result)
{
    done(result == res::IDOK ? QDialog::Accepted : QDialog::Rejected);
}

void TemplateDialog::PaintClient(QPainter&) {}

QColor TemplateDialog::ColorButtonFace(int) const
{
    return {};
}

std::optional<std::string> TemplateDialog::ToolTipText(int, QPoint) const
{
    return std::nullopt;
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return QDialog::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* control = widget;
    while (control != m_client && control->parentWidget() != m_client)
        control = control->parentWidget();
    const auto* help = static_cast<QHelpEvent*>(event);
    const int id = control == m_client ? 0 : ControlId(control);
    if (const auto text = ToolTipText(id, widget->mapTo(m_client, help->pos())))
        QToolTip::showText(help->globalPos(), QString::fromStdString(*text), widget);
    else
        QToolTip::hideText();
    return true;
}

void TemplateDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() & ~Qt::KeypadModifier)
        return QDialog::keyPressEvent(event);
    // A push button with the focus acts as the default one; on a colour button Enter goes to
    // the default button, and a dialog without one takes it as its OK button, as the
    // platform's dialogs do. Elsewhere Enter is the dialog's own business.
    QWidget* focus = focusWidget();
    QPushButton* target = qobject_cast<QPushButton*>(focus);
    if (!target && qobject_cast<ColorButton*>(focus)) {
        for (QPushButton* button : m_client->findChildren<QPushButton*>()) {
            if (button->isDefault())
                target = button;
        }
        if (!target)
            target = Control<QPushButton>(res::IDOK);
    }
    if (!target)
        return QDialog::keyPressEvent(event);
    if (target->isEnabled())
        target->click();
}

} // namespace tessuvo
