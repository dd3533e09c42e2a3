#include "htmlhelp.h"

#include "help/helploader.h"
#include "help/helppath.h"
#include "helpwindow.h"

#include <QApplication>
#include <QPointer>

namespace tessuvo {

QWidget* HtmlHelpA(QWidget* owner, const std::string& file, unsigned command, std::uintptr_t)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    if (!chm || (command != HH_DISPLAY_TOPIC && command != HH_DISPLAY_TOC))
        return nullptr;
    // One help window, reused while its owner lives.
    static QPointer<CHelpWindow> window;
    QWidget* parent = owner ? owner : QApplication::activeModalWidget();
    if (window && window->parentWidget() != parent)
        delete window;
    if (!window)
        window = new CHelpWindow(*chm, parent);
    const HelpTopic topic = SplitHelpPath(file);
    window->ShowTopic(topic.file, topic.page);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tessuvo
