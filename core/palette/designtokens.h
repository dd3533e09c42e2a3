#pragma once

#include "palette.h"

#include <string>
#include <string_view>

// Colours as design tokens in the JSON format of the W3C Design Tokens Community Group:
// {"brand-blue": {"$type": "color", "$value": "#1e3a5f"}}.
namespace tessuvo {

// Every colour token, named by its path through the groups ("color.brand.blue"): a value as a
// CSS colour text or as an object of a colour space's components (or its "hex"), an alias
// ("{color.brand.blue}") as the colour it refers to. A token whose own or whose group's type
// is another than "color" is passed over. A text that is no JSON is Unreadable.
PaletteRead ReadDesignTokens(std::string_view text);

// One token a colour, in the palette's order, each of type "color" with its "#rrggbb".
std::string WriteDesignTokens(const Palette& palette);

} // namespace tessuvo
