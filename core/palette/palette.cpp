#include "palette.h"

#include "core/color/hex.h"
#include "core/textbox/codepage.h"

namespace tessuvo {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

bool IsControl(long codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 ||
           codePoint == 0x2029;
}

} // namespace

std::string TidyName(std::string_view text, std::size_t maxBytes)
{
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        const long codePoint = Utf8CodePoint(text, pos);
        const std::string_view character = codePoint < 0          ? ReplacementCharacter
                                           : IsControl(codePoint) ? std::string_view(" ")
                                                                  : text.substr(pos, length);
        pos += length;
        if (character == " " && out.empty())
            continue;
        if (out.size() + character.size() > maxBytes)
            break;
        out += character;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string NumberedName(std::string_view name, int n)
{
    const std::string number = ' ' + std::to_string(n);
    return TidyName(name, MaxPaletteNameBytes - number.size()) + number;
}

std::string HexDigits(const Color& color)
{
    std::string digits;
    AppendHexDigits(digits, color, LetterCase::Lower);
    return digits;
}

bool PaletteBuilder::Add(const Color& color, std::string_view name)
{
    if (Full())
        return false;
    std::string tidy = TidyName(name);
    if (tidy.empty())
        tidy = HexDigits(color);
    if (m_dropRepeats && !m_seen.insert(tidy + '\n' + HexDigits(color)).second)
        return true;
    m_palette.colors.push_back({color, std::move(tidy)});
    return !Full();
}

PaletteRead PaletteBuilder::Finish() &&
{
    if (Full())
        return {{}, PaletteProblem::TooManyColors};
    if (m_palette.colors.empty())
        return {{}, PaletteProblem::NoColor};
    // A repeated name takes the first number that no colour is named with.
    std::unordered_set<std::string> written, given;
    for (const PaletteColor& entry : m_palette.colors)
        written.insert(entry.name);
    for (PaletteColor& entry : m_palette.colors) {
        if (given.insert(entry.name).second)
            continue;
        for (int n = 2;; ++n) {
            std::string numbered = NumberedName(entry.name, n);
            if (!written.contains(numbered) && given.insert(numbered).second) {
                entry.name = std::move(numbered);
                break;
            }
        }
    }
    return {std::move(m_palette), PaletteProblem::None};
}

} // namespace tessuvo
