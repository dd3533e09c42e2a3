#pragma once

#include "core/color/color.h"
#include "core/textbox/modes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessuvo {

// The colour as its edit box shows it in `notation`; nothing for an unknown mode, which
// leaves the edit boxes as they are.
std::optional<std::string> FormatColor(int notation, const Color& color);

// The notation a tooltip shows beside the boxes: decimal for the HTML and hexadecimal
// notations, hexadecimal for decimal; 0 (no text) for an unknown notation.
int OtherNotation(int notation);

// strtoul with the semantics of the design's 32-bit unsigned long: leading white space,
// an optional sign (a minus negates modulo 2^32), "0x" in base 16, digits up to the first
// other character, the largest value on overflow.
std::uint32_t StrToUL32(std::string_view text, int base);

// The three raw channel values a typed text stands for, before the applying rule.
struct ColorTextValues
{
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
};

// Recognises the HTML form (#RRGGBB), the decimal form (r,g,b) and the hexadecimal form
// (RRGGBB), tried in this order, whatever the current notation.
std::optional<ColorTextValues> RecogniseColorText(std::string_view text);

// Reads "#RRGGBB" only (the HTML form alone), as the gradation dialog's colour box does.
std::optional<ColorTextValues> RecogniseHtmlColorText(std::string_view text);

// The colour a typed text sets: nothing when it is not a colour text or its red is negative
// as a signed 32-bit value; otherwise each channel clamped to 0..255 as the scroll bars do.
std::optional<Color> ColorFromText(std::string_view text);

// The colour a text typed into a colour box of the main window sets. The three forms above come
// first, quirks and all, except that a CSS colour name of six letters ("orange", "purple",
// "yellow") is read as that name instead of as malformed hexadecimal pairs; a text that none of
// them takes is read as CSS (see ReadCssColor), an alpha below 1 composited over `backdrop`.
std::optional<Color> ColorFromTypedText(std::string_view text, const Color& backdrop);

// The same for the gradation dialog's colour box, whose own form is "#RRGGBB" alone; a text it
// does not take is read as CSS.
std::optional<Color> GradationColorFromTypedText(std::string_view text, const Color& backdrop);

} // namespace tessuvo
