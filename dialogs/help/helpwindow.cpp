#include "helpwindow.h"

#include "helpbrowser.h"
#include "platform/dialogfont.h"

#include <QAction>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

namespace tessuvo {

namespace {
// The help file's own title; a page's title takes its place while the page shows.
constexpr const char* HelpCaption = "Tessuvo ヘルプ";
constexpr int Gap = 8;
constexpr int MinimumWidth = 360;
} // namespace

CHelpWindow::CHelpWindow(const ChmLibrary& chm, QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_browser(new HelpBrowser(chm, this))
{
    // A window of its own, yet a child of the owner: the owner's modal loop lets its own
    // windows take input, and the help goes away with it.
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QString::fromUtf8(DesignFontFace), 10));
    setCentralWidget(m_browser);

    QToolBar* toolBar = addToolBar(QString());
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back =
        toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString::fromUtf8("戻る"));
    back->setShortcut(QKeySequence::Back);
    back->setToolTip(
        QString::fromUtf8("戻る (%1)").arg(back->shortcut().toString(QKeySequence::NativeText)));
    back->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpWindow::ShowTitle);

    resize(520, 420);
    if (owner)
        PlaceBeside(owner);
}

void CHelpWindow::ShowTopic(const std::string& file, const std::string& page)
{
    m_browser->ShowTopic(file, page);
    ShowTitle();
}

void CHelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the window, as it closes a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QMainWindow::keyPressEvent(event);
}

void CHelpWindow::ShowTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QString::fromUtf8(HelpCaption) : title);
}

// On the side of the owner with more room, narrowed to that room down to a readable width, so
// that neither window hides the other where the screen allows.
void CHelpWindow::PlaceBeside(const QWidget* owner)
{
    const QRect screen = owner->screen()->availableGeometry();
    const QRect beside = owner->frameGeometry();
    const int rightRoom = screen.right() - beside.right() - Gap;
    const int leftRoom = beside.left() - screen.left() - Gap;
    const int room = std::max(rightRoom, leftRoom);
    resize(std::clamp(room, MinimumWidth, width()), height());
    const int x = rightRoom >= leftRoom ? beside.right() + Gap : beside.left() - Gap - width();
    const int y = std::min(beside.top(), screen.bottom() - height());
    move(std::max(x, screen.left()), std::max(y, screen.top()));
}

} // namespace tessuvo
