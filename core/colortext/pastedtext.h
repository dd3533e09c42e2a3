#pragma once

#include "core/color/color.h"

#include <optional>
#include <string_view>

namespace tessuvo {

// The colours a pasted text sets; neither when it holds no colour.
struct PastedColors
{
    std::optional<Color> background;
    std::optional<Color> text;

    // The colour that was set when only one of the two was, so that the window can say which.
    std::optional<ColorTarget> OnlyOne() const
    {
        if (background.has_value() == text.has_value())
            return std::nullopt;
        return background ? ColorTarget::Background : ColorTarget::Text;
    }

    friend bool operator==(const PastedColors&, const PastedColors&) = default;
};

// Finds the colours in a clipboard text of any length, in one pass:
// - both colours from the first CSS rule, style attribute or tag that gives both: a
//   `background-color` or a `background` shorthand with a colour among its values, and a `color`
//   declaration; custom properties whose name has a word for one of them (`--bg`, `--page-bg`,
//   `--background`, `--backgroundColor` for the background; `--fg`, `--foreground`,
//   `--text-color` for the text colour); or a BODY tag's `bgcolor` and `text`. Of the declarations
//   of each colour a property of CSS counts above custom properties, the custom property with
//   the fewest other words above the others (`--bg` above `--bg-hover`), and of equals the last,
//   as in CSS. Failing such a block, the first background and the first text colour anywhere.
// - otherwise one colour: a single such declaration or attribute (a FONT tag's `color` is a text
//   colour), or the whole text as one colour value: CSS, "r,g,b", "RRGGBB", and, as other tools
//   copy a colour, "r g b", "RGB" and "0xRRGGBB". It goes to the box it was pasted into, `into`;
//   pasted on the preview band, which shows both colours (`into` nothing), a text colour goes to
//   the text colour and anything else to the background.
// An alpha below 1 is laid over white for a background and over the background (the pasted one
// or else `currentBackground`) for a text colour.
PastedColors ColorsFromPaste(std::string_view pasted, std::optional<ColorTarget> into,
                             const Color& currentBackground);

} // namespace tessuvo
