#include "builtinpalettes.h"

#include "core/colortext/namedcolors.h"
#include "regslots.h"

#include <algorithm>

namespace tessuvo {

namespace {

constexpr const char* BackgroundLabel = "背景色";
constexpr const char* TextLabel = "文字色";

} // namespace

Palette NamedColorsPalette()
{
    Palette palette{NamedColorsPaletteName, 0, {}};
    for (const NamedColor& named : CssNamedColors())
        palette.colors.push_back({named.color, std::string(named.name)});
    return palette;
}

Palette RegisteredColorsPalette(const std::string& iniPath)
{
    Palette palette{RegisteredPaletteName, 0, {}};
    for (const auto& [target, label] : {std::pair(ColorTarget::Background, BackgroundLabel),
                                        std::pair(ColorTarget::Text, TextLabel)}) {
        for (int slot = 1; slot <= SlotCount; ++slot) {
            // As choosing the slot hands it over: nothing without its red, each channel as the
            // scroll bars take it.
            const SlotValues values = ReadSlot(iniPath, target, slot, -1);
            if (values.red < 0)
                continue;
            palette.colors.push_back(
                {{ClampChannel(values.red), ClampChannel(values.green), ClampChannel(values.blue)},
                 label + std::to_string(slot)});
        }
    }
    return palette;
}

Palette HistoryColorsPalette(std::span<const ColorPair> history)
{
    Palette palette{HistoryPaletteName, 0, {}};
    const auto add = [&](const Color& color, const char* label, std::size_t position) {
        const bool listed =
            std::any_of(palette.colors.begin(), palette.colors.end(),
                        [&](const PaletteColor& entry) { return entry.color == color; });
        if (!listed)
            palette.colors.push_back({color, label + std::to_string(position)});
    };
    for (std::size_t i = 0; i < history.size(); ++i) {
        add(history[i].background, BackgroundLabel, i + 1);
        add(history[i].text, TextLabel, i + 1);
    }
    return palette;
}

} // namespace tessuvo
