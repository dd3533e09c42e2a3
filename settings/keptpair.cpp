#include "keptpair.h"

#include "settingskeys.h"

namespace tessuvo {

namespace {

// Room for a hex code and a little more: a longer value is not one.
constexpr std::size_t CodeBuffer = 16;

Color ReadColor(const keys::TextKey& setting, const Color& fallback, const std::string& iniPath)
{
    return ParseHexCode(keys::Read(setting, CodeBuffer, iniPath)).value_or(fallback);
}

} // namespace

std::optional<ColorPair> ReadKeptPair(const std::string& iniPath)
{
    if (keys::Read(keys::KeepColors, iniPath) != 1)
        return std::nullopt;
    return ColorPair{ReadColor(keys::KeptBackground, DefaultPair.background, iniPath),
                     ReadColor(keys::KeptText, DefaultPair.text, iniPath)};
}

KeptPairWrites::KeptPairWrites(bool keep, const ColorPair& pair)
    : m_background(HexCode(pair.background)), m_text(HexCode(pair.text))
{
    const auto value = [keep](std::string_view text) {
        return keep ? std::optional<std::string_view>(text) : std::nullopt;
    };
    m_entries = {
        ProfileEntry{keys::KeepColors.section, keys::KeepColors.key, value("1")},
        ProfileEntry{keys::KeptBackground.section, keys::KeptBackground.key, value(m_background)},
        ProfileEntry{keys::KeptText.section, keys::KeptText.key, value(m_text)}};
}

} // namespace tessuvo
