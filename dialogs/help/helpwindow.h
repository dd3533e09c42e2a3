#pragma once

#include "help/helploader.h"

#include <QMainWindow>
#include <string>

namespace tessuvo {

class HelpBrowser;

// The help window: the pages of the help file under a toolbar with a back button (Alt+Left).
// A window of its own beside its owner, not modal; it closes with its owner, and with Escape.
class CHelpWindow final : public QMainWindow
{
    Q_OBJECT

public:
    CHelpWindow(const ChmLibrary& chm, QWidget* owner);

    // Shows `page` of the help file `file`, or one line saying which file was not found.
    void ShowTopic(const std::string& file, const std::string& page);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowTitle();

    HelpBrowser* m_browser;
};

} // namespace tessuvo
