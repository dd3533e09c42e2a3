#pragma once

#include "tags/outputstyle.h"

#include <QObject>

class QPushButton;

namespace tessuvo {

class MenuBar;
class WindowOptions;

// "出力形式(&O)" under "設定(&S)": what the tag commands write, HTML tags or CSS, kept as an
// option of the window. The style shows in the radio pair's marks and in the names of the two
// tag commands, in the menu and for screen readers.
class OutputStyleMenu final : public QObject
{
    Q_OBJECT

public:
    OutputStyleMenu(MenuBar& menu, QPushButton* bodyTag, QPushButton* fontTag,
                    WindowOptions& options, QObject* parent);

    OutputStyle Style() const;
    // Shows the style as the options hold it.
    void Show();

private:
    void OnOutputHtml();
    void OnOutputCss();
    void SetStyle(OutputStyle style);

    MenuBar& m_menu;
    QPushButton* m_bodyTag;
    QPushButton* m_fontTag;
    WindowOptions& m_options;
};

} // namespace tessuvo
