#pragma once

#include <QObject>
#include <string>
#include <utility>

namespace tessuvo {

// F1 in any window of the program: the standard help command, which opens the help contents at
// `helpPath` ("FILE::/PAGE") as the menu's "目次(&C)" does. Installed on the application, so that
// the side dialogs have it too.
class HelpKey final : public QObject
{
public:
    explicit HelpKey(std::string helpPath) : m_helpPath(std::move(helpPath)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string m_helpPath;
};

} // namespace tessuvo
