#include "hex.h"

namespace tessuvo {

namespace {

std::string WithHash(const Color& color, LetterCase letters)
{
    std::string text = "#";
    AppendHexDigits(text, color, letters);
    return text;
}

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<HexColor> ReadHexDigits(std::string_view digits)
{
    const std::size_t size = digits.size();
    if (size != 3 && size != 4 && size != 6 && size != 8)
        return std::nullopt;
    const std::size_t perChannel = size <= 4 ? 1 : 2;
    int channels[4] = {0, 0, 0, 255};
    for (std::size_t i = 0; i < size / perChannel; ++i) {
        int value = 0;
        for (std::size_t j = 0; j < perChannel; ++j) {
            const int digit = HexDigitValue(digits[i * perChannel + j]);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + digit;
        }
        channels[i] = perChannel == 1 ? value * 17 : value;
    }
    return HexColor{{channels[0], channels[1], channels[2]}, channels[3]};
}

std::optional<Color> ParseHexCode(std::string_view text)
{
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    const auto read = ReadHexDigits(text.substr(1));
    if (!read)
        return std::nullopt;
    return read->color;
}

void AppendHexDigits(std::string& out, const Color& color, LetterCase letters)
{
    const char* digits = letters == LetterCase::Upper ? "0123456789ABCDEF" : "0123456789abcdef";
    for (const int channel : {color.red, color.green, color.blue}) {
        const int value = ClampChannel(channel);
        out += digits[value >> 4];
        out += digits[value & 15];
    }
}

std::string HexCode(const Color& color)
{
    return WithHash(color, LetterCase::Upper);
}

std::string CssColor(const Color& color)
{
    return WithHash(color, LetterCase::Lower);
}

} // namespace tessuvo
