#pragma once

#include "core/color/color.h"
#include "tags/outputstyle.h"

#include <functional>
#include <string>

class QPushButton;

namespace tessuvo {

class MenuBar;

inline constexpr const char* CopyCssVariablesText = "CSS変数としてコピー(&P)";

// Shows `style` in the main window: the marks of the output style's radio pair, and the names
// of the two tag commands in the menu and for screen readers.
void ShowOutputStyle(MenuBar& menu, QPushButton* bodyTag, QPushButton* fontTag, OutputStyle style);

// Gives a copy button a context menu listing `color()` in each copy format, each item showing
// the text it copies ("&1 #rrggbb" to "&6 r,g,b"); choosing one hands that text to `copy`.
void AddCopyFormatMenu(QPushButton* button, std::function<Color()> color,
                       std::function<void(const std::string&)> copy);

} // namespace tessuvo
