#pragma once

#include "tags/outputstyle.h"

class QPushButton;

namespace tessuvo {

class MenuBar;

// Shows `style` in the main window: the marks of the output style's radio pair, and the names
// of the two tag commands in the menu and for screen readers.
void ShowOutputStyle(MenuBar& menu, QPushButton* bodyTag, QPushButton* fontTag, OutputStyle style);

} // namespace tessuvo
