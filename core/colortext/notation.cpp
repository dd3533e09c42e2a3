#include "notation.h"

#include "core/color/hex.h"
#include "core/textbox/codepage.h"
#include "csscolor.h"
#include "namedcolors.h"

namespace tessuvo {

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

// The pairs P1 P2 P3 of a six-character text, reordered as "0x" P3 P2 P1 and read in base 16.
ColorTextValues FromReorderedPairs(std::string_view six)
{
    std::string reordered = "0x";
    reordered += six.substr(4, 2);
    reordered += six.substr(2, 2);
    reordered += six.substr(0, 2);
    const std::uint32_t v = StrToUL32(reordered, 16);
    return {v % 256, (v / 256) % 256, (v / 65536) % 256};
}

int AsSigned32(std::uint32_t value)
{
    return static_cast<int>(static_cast<std::int32_t>(value));
}

} // namespace

int OtherNotation(int notation)
{
    switch (notation) {
    case NotationHtml:
    case NotationHex:
        return NotationDecimal;
    case NotationDecimal:
        return NotationHex;
    default:
        return 0;
    }
}

std::optional<std::string> FormatColor(int notation, const Color& c)
{
    switch (notation) {
    case NotationHtml:
        return HexCode(c);
    case NotationHex: {
        std::string digits;
        AppendHexDigits(digits, c, LetterCase::Upper);
        return digits;
    }
    case NotationDecimal:
        return std::to_string(c.red) + ',' + std::to_string(c.green) + ',' + std::to_string(c.blue);
    default:
        return std::nullopt;
    }
}

std::uint32_t StrToUL32(std::string_view text, int base)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // "0x" counts as a prefix only when a hexadecimal digit follows; otherwise the
    // conversion reads the "0" and stops at the "x".
    if (base == 16 && pos + 2 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X') && DigitValue(text[pos + 2]) < 16) {
        pos += 2;
    }
    std::uint64_t value = 0;
    bool overflow = false;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos]);
        if (digit >= base)
            break;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu) {
            overflow = true;
            value = 0xFFFFFFFFu;
        }
    }
    if (overflow)
        return 0xFFFFFFFFu;
    const auto result = static_cast<std::uint32_t>(value);
    return negative ? 0u - result : result;
}

std::optional<ColorTextValues> RecogniseHtmlColorText(std::string_view text)
{
    const std::string shape = Cp932Shape(text);
    if (shape.size() != 7 || shape[0] != '#')
        return std::nullopt;
    return FromReorderedPairs(std::string_view(shape).substr(1));
}

std::optional<ColorTextValues> RecogniseColorText(std::string_view text)
{
    // Lengths and positions are those of the code-page-932 text the user typed.
    const std::string shape = Cp932Shape(text);
    const std::string_view s = shape;
    const std::size_t length = s.size();
    const std::size_t firstComma = s.find(',');
    const std::size_t firstField = firstComma == std::string_view::npos ? length : firstComma;

    if (auto html = RecogniseHtmlColorText(text))
        return html;

    if (length >= 5 && firstField <= 3) {
        ColorTextValues values;
        values.red = StrToUL32(s.substr(0, firstComma), 10);
        const std::size_t secondComma = s.find(',', firstComma + 1);
        values.green = StrToUL32(s.substr(firstComma + 1, secondComma - firstComma - 1), 10);
        // With a single comma there is no third field: blue stays 0.
        if (secondComma != std::string_view::npos)
            values.blue = StrToUL32(s.substr(secondComma + 1), 10);
        return values;
    }

    if (length == 6 && firstField > 3)
        return FromReorderedPairs(s);

    return std::nullopt;
}

std::optional<Color> ColorFromText(std::string_view text)
{
    const auto values = RecogniseColorText(text);
    if (!values || AsSigned32(values->red) < 0)
        return std::nullopt;
    return Color{ClampChannel(AsSigned32(values->red)), ClampChannel(AsSigned32(values->green)),
                 ClampChannel(AsSigned32(values->blue))};
}

std::optional<Color> ColorFromTypedText(std::string_view text, const Color& backdrop)
{
    // No colour name is made of hexadecimal digits alone, so no well-formed hexadecimal text
    // changes its meaning here.
    if (text.size() == 6) {
        if (const auto named = CssNamedColor(text))
            return named;
    }
    if (RecogniseColorText(text))
        return ColorFromText(text);
    return ReadCssColor(text, backdrop);
}

std::optional<Color> GradationColorFromTypedText(std::string_view text, const Color& backdrop)
{
    if (const auto values = RecogniseHtmlColorText(text))
        return Color{static_cast<int>(values->red), static_cast<int>(values->green),
                     static_cast<int>(values->blue)};
    return ReadCssColor(text, backdrop);
}

} // namespace tessuvo
