#pragma once

#include "core/color/color.h"

#include <functional>
#include <string>

class QPushButton;

namespace tessuvo {

// Gives a copy button a context menu listing `color()` in each copy format, each item showing
// the text it copies ("&1 #rrggbb" to "&6 r,g,b"); choosing one hands that text to `copy`.
void AddCopyFormatMenu(QPushButton* button, std::function<Color()> color,
                       std::function<void(const std::string&)> copy);

} // namespace tessuvo
