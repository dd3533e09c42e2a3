#include "pasteascolor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolTip>
#include <memory>

namespace tessuvo {

namespace {

constexpr int NoteMilliseconds = 2000;
constexpr const char* NoteName = "pasteColorNote";

// A note in the tooltip's look under `area` of `at`, gone after two seconds. Not a QToolTip:
// that one hides at the first window activation, which the closing menu brings.
void ShowNote(QWidget* at, QRect area, const QString& text)
{
    delete at->findChild<QLabel*>(QLatin1String(NoteName), Qt::FindDirectChildrenOnly);
    auto* note = new QLabel(text, at, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
    note->setObjectName(QLatin1String(NoteName));
    note->setPalette(QToolTip::palette());
    note->setFont(QToolTip::font());
    note->setForegroundRole(QPalette::ToolTipText);
    note->setBackgroundRole(QPalette::ToolTipBase);
    note->setAutoFillBackground(true);
    note->setFrameStyle(QFrame::Box | QFrame::Plain);
    note->setMargin(2);
    note->adjustSize();
    note->move(at->mapToGlobal(area.bottomLeft() + QPoint(0, 1)));
    note->show();
    QTimer::singleShot(NoteMilliseconds, note, &QObject::deleteLater);
}

} // namespace

PastedColors PasteColorsFromClipboard(std::optional<ColorTarget> into,
                                      const Color& currentBackground, QWidget* at, QRect area)
{
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    PastedColors colors = ColorsFromPaste(text, into, currentBackground);
    if (!colors.background && !colors.text)
        ShowNote(at, area, QString::fromUtf8("色が見つかりません"));
    return colors;
}

void AddPasteAsColor(QMenu& menu, std::function<void()> paste)
{
    QObject::connect(menu.addAction(QString::fromUtf8(PasteAsColorText)), &QAction::triggered,
                     &menu, std::move(paste));
}

void AddPasteToContextMenu(QPlainTextEdit* box, std::function<void()> paste)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box,
                     [box, paste = std::move(paste)](QPoint at) {
                         std::unique_ptr<QMenu> menu(box->createStandardContextMenu(at));
                         menu->addSeparator();
                         AddPasteAsColor(*menu, paste);
                         menu->exec(box->viewport()->mapToGlobal(at));
                     });
}

} // namespace tessuvo
