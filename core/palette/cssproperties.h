#pragma once

#include "palette.h"

#include <string>
#include <string_view>

namespace tessuvo {

// The custom property a colour of this name is written as: "--" and the name, each character
// that may not stand in a CSS identifier escaped with a backslash ("--Butter\ 1"), so that the
// style sheet reads back to the same name.
std::string CustomPropertyName(std::string_view name);

// ":root {", one "--name: #rrggbb;" line a colour in the palette's order, "}".
std::string WriteCssProperties(const Palette& palette);

} // namespace tessuvo
