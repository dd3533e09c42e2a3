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

    friend bool operator==(const PastedColors&, const PastedColors&) = default;
};

// Finds the colours in a clipboard text of any length, in one pass:
// - both colours from the first CSS rule, style attribute or tag that gives both: a
//   `background-color` (or a `background` that is a colour alone) and a `color` declaration,
//   `--background-color` and `--text-color`, or a BODY tag's `bgcolor` and `text`; the last
//   declaration of each counts, as in CSS. Failing such a block, the first background and the
//   first text colour anywhere in the text.
// - otherwise one colour: a single such declaration or attribute (a FONT tag's `color` is a text
//   colour), or the whole text as one colour value: CSS, "r,g,b" or "RRGGBB". It goes to the box
//   it was pasted into, `into`; pasted on the preview band, which shows both colours (`into`
//   nothing), a text colour goes to the text colour and anything else to the background.
// An alpha below 1 is laid over white for a background and over the background (the pasted one
// or else `currentBackground`) for a text colour.
PastedColors ColorsFromPaste(std::string_view pasted, std::optional<ColorTarget> into,
                             const Color& currentBackground);

} // namespace tessuvo
