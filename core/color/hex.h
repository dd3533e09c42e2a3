#pragma once

#include "color.h"

#include <optional>
#include <string>
#include <string_view>

// Colours written in hexadecimal digits: "#RRGGBB" as the HTML notation and the settings file
// have them, "#rrggbb" as CSS and the HTML tags write them, and CSS's short and alpha forms.
// The edit boxes' own reading of typed pairs, quirks and all, is the notation's (notation.h).
namespace tessuvo {

// The value of one hexadecimal digit in either case; -1 for any other character.
int HexDigitValue(char c);

// A colour with the alpha that CSS's hexadecimal forms may carry, 0..255.
struct HexColor
{
    Color color;
    int alpha = 255;
};

// 3, 4, 6 or 8 digits in either case, as CSS reads them after its "#": "rgb", "rgba", "rrggbb"
// and "rrggbbaa", a single digit standing for itself twice. Nothing for any other text.
std::optional<HexColor> ReadHexDigits(std::string_view digits);

// "#RRGGBB" in either case, exactly, as HexCode writes it; nothing for any other text, so that a
// hand-edited value is either read exactly or not at all.
std::optional<Color> ParseHexCode(std::string_view text);

enum class LetterCase
{
    Lower,
    Upper,
};

// Appends the six digits "rrggbb" of `color`.
void AppendHexDigits(std::string& out, const Color& color, LetterCase letters);

// "#87CEEB": the colour as the HTML notation shows it and the settings file keeps it.
std::string HexCode(const Color& color);

// "#87ceeb": the colour as CSS and the HTML tags write it.
std::string CssColor(const Color& color);

} // namespace tessuvo
