#pragma once

#include "core/color/color.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The 148 named colours of CSS: read in colour texts, offered as a palette, and named beside
// the pair.
namespace tessuvo {

struct NamedColor
{
    std::string_view name; // in lower case, as the CSS list writes it
    Color color;
};

// In the order of the CSS list, which is alphabetical.
std::span<const NamedColor> CssNamedColors();

// The named colour `name` stands for, in any letter case; nothing for any other text, and for
// "transparent" and "currentcolor", which name no colour of their own.
std::optional<Color> CssNamedColor(std::string_view name);

struct NearestName
{
    std::string_view name;
    bool exact; // the named colour is `color` itself
};

// The named colour closest to `color` in OKLab; of names for the same value ("aqua", "cyan")
// the first in the list.
NearestName NearestNamedColor(const Color& color);

// "= steelblue" for the named colour itself, "≈ steelblue" for the nearest one.
std::string NearestNameNote(const Color& color);

// Both colours of the pair: "背景色 = white　文字色 ≈ steelblue".
std::string PairNamesNote(const Color& background, const Color& text);

} // namespace tessuvo
