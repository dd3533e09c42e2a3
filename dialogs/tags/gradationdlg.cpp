#include "gradationdlg.h"

#include "core/colortext/notation.h"
#include "core/textbox/entercommit.h"
#include "core/textbox/scrollcodes.h"
#include "dialogs/collections/choosecolor.h"
#include "platform/dialogfont.h"
#include "platform/editbox.h"
#include "platform/icons.h"
#include "platform/qtcolor.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "res/tooltips.h"
#include "tags/csstext.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace tessuvo {

using namespace res;

namespace {

constexpr std::size_t TextLimit = 30; // code-page bytes
// The colours the bars edit, numbered as the registered colours' sets that they go into.
constexpr ColorTarget EditPreviewBg = ColorTarget::Background;
constexpr ColorTarget EditMiddle = ColorTarget::Text;
constexpr const char* DefaultText = "[TESSUVO]てっすぼ";
constexpr int PreviewFontHeight = 19;
constexpr int PreviewFontWeight = 500;
const QPoint TextOrigin(10, 6);
const QRect StartSwatch(QPoint(10, 29), QPoint(21, 34));
const QRect MiddleSwatch(QPoint(119, 29), QPoint(130, 34));
const QRect EndSwatch(QPoint(228, 29), QPoint(239, 34));

} // namespace

CGradationTagDlg::CGradationTagDlg(std::string iniPath, QWidget* parent)
    : PickingDialog(IDD_GRADATION, parent), m_iniPath(std::move(iniPath))
{
    DoDataExchange();
    m_editColor->setFont(CompactDialogFont());
    m_bars.Connect(this,
                   [this](ScrollBar* bar, int code, int thumb) { OnHScroll(bar, code, thumb); });
    connect(m_btnPalette, &QPushButton::clicked, this, &CGradationTagDlg::OnSamplePalette);
    connect(m_btnPick, &QPushButton::clicked, this, &CGradationTagDlg::OnStartPick);
    connect(m_btnRegister, &QPushButton::clicked, this, &CGradationTagDlg::OnRegisteredColors);
    connect(m_btnCopyTags, &QPushButton::clicked, this, &CGradationTagDlg::OnCopyTags);
    connect(Control<QRadioButton>(IDC_GRAD_PREVIEW_BG), &QRadioButton::clicked, this,
            &CGradationTagDlg::OnEditBackground);
    connect(Control<QRadioButton>(IDC_GRAD_MIDDLE), &QRadioButton::clicked, this,
            &CGradationTagDlg::OnEditMiddle);
    connect(m_editColor, &EditBox::changed, this, &CGradationTagDlg::OnChangeColorEdit);
    connect(m_editText, &EditBox::changed, this, &CGradationTagDlg::OnChangeText);
}

void CGradationTagDlg::DoDataExchange()
{
    m_editText = Control<EditBox>(IDC_GRAD_TEXT);
    m_btnCopyTags = Control<QPushButton>(IDC_GRAD_COPY);
    m_sbBlue = Control<ScrollBar>(IDC_GRAD_BLUE);
    m_sbGreen = Control<ScrollBar>(IDC_GRAD_GREEN);
    m_sbRed = Control<ScrollBar>(IDC_GRAD_RED);
    m_editColor = Control<EditBox>(IDC_GRAD_COLOR);
    m_btnRegister = Control<QPushButton>(IDC_GRAD_REGISTER);
    m_btnPick = Control<QPushButton>(IDC_GRAD_PICK);
    m_btnPalette = Control<QPushButton>(IDC_GRAD_PALETTE);
    m_bars = ColorBars(m_sbRed, m_sbGreen, m_sbBlue);
}

void CGradationTagDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_text = m_editText->GetWindowText();
        return;
    }
    m_editText->SetWindowText(m_text);
    m_editText->SetLimitText(TextLimit);
}

void CGradationTagDlg::OnInitDialog()
{
    const std::pair<QPushButton*, int> images[] = {
        {m_btnPalette, IDI_PALETTE},
        {m_btnPick, IDI_PICK},
        {m_btnRegister, IDI_REGISTER},
        {m_btnCopyTags, IDI_TAG},
    };
    for (const auto& [button, icon] : images) {
        SetButtonIcon(button, icon);
        // Read out by screen readers in place of the hidden caption.
        button->setAccessibleName(
            QString::fromUtf8(ButtonToolTip(IDD_GRADATION, ControlId(button))));
    }
    m_bars.SetRange();
    m_bars.Set({255, 255, 255});
    Control<QRadioButton>(IDC_GRAD_PREVIEW_BG)->setChecked(true);
    m_editTarget = EditPreviewBg;
    m_text = DefaultText;
    UpdateData(false);
    Regenerate();
}

void CGradationTagDlg::Regenerate()
{
    UpdateData(true);
    Color& edited = m_editTarget == EditMiddle ? m_middle : m_previewBg;
    edited = m_bars.Get();
    m_editColor->SetWindowText(*FormatColor(NotationHtml, edited));

    Gradation gradation = BuildGradationTags(m_text, m_start, m_middle, m_end);
    m_tags = GradationOutput(m_outputStyle, gradation);
    m_pieces = std::move(gradation.pieces);
    // Painted at once, so that the preview follows each key and each step of a bar.
    Client()->repaint(m_rcPreview.united(EndSwatch).united(StartSwatch));
}

void CGradationTagDlg::PaintClient(QPainter& painter)
{
    painter.fillRect(m_rcPreview, ToQColor(m_previewBg));
    painter.fillRect(StartSwatch, ToQColor(m_start));
    painter.fillRect(MiddleSwatch, ToQColor(m_middle));
    painter.fillRect(EndSwatch, ToQColor(m_end));

    // The characters follow one another from the origin, over the band and clipped to it.
    const QFont font = CreateFontA(PreviewFontHeight, PreviewFontWeight, DesignFontFaceWide);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setClipRect(m_rcPreview);
    QPointF pen(TextOrigin.x(), TextOrigin.y() + metrics.ascent());
    for (const GradationPiece& piece : m_pieces) {
        const QString text = QString::fromStdString(piece.text);
        painter.setPen(ToQColor(piece.color));
        painter.drawText(pen, text);
        pen.rx() += metrics.horizontalAdvance(text);
    }
}

void CGradationTagDlg::SetEditedColor(const Color& color)
{
    m_bars.Set(color);
    Regenerate();
}

void CGradationTagDlg::OnHScroll(ScrollBar* bar, int code, int thumb)
{
    bar->SetScrollPos(ScrolledPosition(code, bar->GetScrollPos(), thumb));
    Regenerate();
}

void CGradationTagDlg::OnEditBackground()
{
    m_editTarget = EditPreviewBg;
    SetEditedColor(m_previewBg);
}

void CGradationTagDlg::OnEditMiddle()
{
    m_editTarget = EditMiddle;
    SetEditedColor(m_middle);
}

void CGradationTagDlg::OnChangeColorEdit()
{
    const auto text = m_editColor->CommitOnEnter(ColorLineBuffer);
    if (!text)
        return;
    // The "#" form, then CSS; the decimal and plain hexadecimal forms of the main window stay as
    // typed. A translucent middle colour shows over the preview background, which shows over
    // white.
    const Color backdrop = m_editTarget == ColorTarget::Text ? m_previewBg : Color{255, 255, 255};
    if (const auto color = GradationColorFromTypedText(*text, backdrop))
        SetEditedColor(*color);
}

void CGradationTagDlg::OnChangeText()
{
    Regenerate();
}

void CGradationTagDlg::OnCopyTags()
{
    CopyThroughText(m_tags);
}

void CGradationTagDlg::OnCopyGradient()
{
    CopyThroughText(CssGradientText(m_start, m_middle, m_end, m_text));
}

// Through the text box, which gets the user's text back afterwards.
void CGradationTagDlg::CopyThroughText(const std::string& text)
{
    const std::string kept = m_text;
    m_text = text;
    UpdateData(false);
    m_editText->SetSel(0, -1);
    m_editText->ScrollCaret();
    m_editText->Copy();
    m_text = kept;
    UpdateData(false);
    emit tagsCopied();
}

void CGradationTagDlg::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint clientPoint = Client()->mapFrom(this, event->pos());
    if (!m_rcPreview.contains(clientPoint) || Client()->childAt(clientPoint)) {
        PickingDialog::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    connect(menu.addAction(QString::fromUtf8("CSSグラデーションとしてコピー(&G)")),
            &QAction::triggered, this, &CGradationTagDlg::OnCopyGradient);
    menu.exec(event->globalPos());
}

// The palette and the registered colours are owned by this dialog, so that they open over it.
void CGradationTagDlg::OnSamplePalette()
{
    if (const auto color = ChooseSampleColor(this))
        SetEditedColor(*color);
}

void CGradationTagDlg::OnRegisteredColors()
{
    if (const auto color = ChooseRegisteredColor(this, m_iniPath, m_editTarget, m_bars.Get()))
        SetEditedColor(*color);
}

void CGradationTagDlg::OnStartPick()
{
    // The dialog has one colour: the pick goes to the bars, whichever colour they edit.
    StartEyedropper(this, m_eyedropper, m_editTarget, [this](const Color& color) {
        m_bars.Set(color);
        Regenerate();
    });
}

void CGradationTagDlg::OnLButtonDown(QPointF global)
{
    if (const auto pick = m_eyedropper.LeftButtonDown(global.x(), global.y()))
        m_bars.Set(pick->color);
}

// A preview background is measured against the middle colour of the text, and the other way
// round.
Color CGradationTagDlg::PickContrastColor(ColorTarget target) const
{
    return target == EditPreviewBg ? m_middle : m_previewBg;
}

void CGradationTagDlg::OnLButtonUp()
{
    if (m_eyedropper.End())
        Regenerate();
}

void CGradationTagDlg::OnRButtonDown()
{
    if (m_eyedropper.End())
        SwallowNextContextMenu();
}

std::optional<std::string> CGradationTagDlg::ToolTipText(int id, QPoint) const
{
    if (const char* text = ButtonToolTip(IDD_GRADATION, id))
        return text;
    if (id != IDC_GRAD_COLOR)
        return std::nullopt;
    return FormatColor(NotationDecimal, m_bars.Get());
}

} // namespace tessuvo
