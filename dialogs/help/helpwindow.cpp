#include "helpwindow.h"

#include "helpbrowser.h"
#include "platform/dialogfont.h"
#include "platform/windowops.h"

#include <QAction>
#include <QKeyEvent>
#include <QStyle>
#include <QToolBar>

namespace tessuvo {

namespace {
// The help file's own title; a page's title takes its place while the page shows.
constexpr const char* HelpCaption = "Tessuvo ヘルプ";
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
        PlaceBeside(this, owner, MinimumWidth);
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

} // namespace tessuvo
