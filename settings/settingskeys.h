#pragma once

#include "core/eyedropper/pickarea.h"
#include "core/textbox/modes.h"
#include "profile.h"

#include <span>
#include <string>

// The settings file's keys: each setting once, with its section and the value a missing key
// means, read and written through the accessors below.
namespace tessuvo::keys {

// An integer setting.
struct IntKey
{
    const char* section;
    const char* key;
    int fallback; // what a missing key means
};

// A text setting.
struct TextKey
{
    const char* section;
    const char* key;
    const char* fallback;
};

// An option of the program's own additions: its key holds one of `values` exactly as the
// program writes them, or nothing. Any other text means `fallback`, the design's behaviour,
// also one that the design's integer reading would take for a value ("1junk", "4294967297").
struct OptionKey
{
    const char* section;
    const char* key;
    int fallback;
    std::span<const int> values; // besides the fallback
};

inline constexpr IntKey TopMost{"FLG", "TOPMOST", 0};
inline constexpr IntKey Notation{"FLG", "RGB", DefaultNotation};
inline constexpr IntKey PreviewMode{"FLG", "PREVIEW", DefaultPreviewMode};
inline constexpr IntKey UseFont{"FLG", "USEFONT", 0};

inline constexpr int On[] = {1};
// 1 shows the contrast line under the controls.
inline constexpr OptionKey ContrastLine{"FLG", "CONTRASTLINE", 0, On};
// What the tag commands write: 0 HTML tags, 1 CSS.
inline constexpr OptionKey Output{"FLG", "OUTPUT", 0, On};
// The pair the window left with, shown at the next start while KEEPCOLORS is 1 (keptpair.h).
inline constexpr OptionKey KeepColors{"FLG", "KEEPCOLORS", 0, On};
inline constexpr TextKey KeptBackground{"FLG", "BGCOLOR", "#FFFFFF"};
inline constexpr TextKey KeptText{"FLG", "FGCOLOR", "#000000"};
// The eyedropper's square: 1, 3 or 5 pixels a side.
inline constexpr int AveragedPickAreas[] = {PickAverage3, PickAverage5};
inline constexpr OptionKey PickArea{"FLG", "PICKAREA", PickOnePixel, AveragedPickAreas};

// -1 places the window in the middle of the desktop.
inline constexpr IntKey PositionX{"POSITION", "X", -1};
inline constexpr IntKey PositionY{"POSITION", "Y", -1};

inline constexpr TextKey PreviewString{"PREVIEW", "STRING", "[TESSUVO]"};
// Present, as 1, only when STRING holds a text with its line breaks escaped.
inline constexpr IntKey PreviewEscaped{"PREVIEW", "ESCAPED", 0};
inline constexpr int PreviewTextBuffer = 1024;

// The registered colours: a section for each slot, "BG1" to "BG18" for the background and "FG1"
// to "FG18" for the text colour, each with its in-use mark and the colour's three channels.
inline constexpr const char* BackgroundSlotPrefix = "BG";
inline constexpr const char* TextSlotPrefix = "FG";
inline constexpr const char* SlotInUse = "ITEM";
inline constexpr const char* SlotRed = "red";
inline constexpr const char* SlotGreen = "green";
inline constexpr const char* SlotBlue = "blue";

// The history of pairs: numbered keys "1" to "20", newest first, in a section of its own.
inline constexpr const char* HistorySection = "HISTORY";

// The palette window's place and size and the palette it showed last, each written only once the
// user has changed it: without them the window opens beside the main window on the named colours.
inline constexpr int NoPaletteWindowValue = -32768;
inline constexpr IntKey PaletteWindowX{"PALETTES", "X", NoPaletteWindowValue};
inline constexpr IntKey PaletteWindowY{"PALETTES", "Y", NoPaletteWindowValue};
inline constexpr IntKey PaletteWindowWidth{"PALETTES", "WIDTH", NoPaletteWindowValue};
inline constexpr IntKey PaletteWindowHeight{"PALETTES", "HEIGHT", NoPaletteWindowValue};
// A palette file's name in the palette folder, or the name of a palette the program offers.
inline constexpr TextKey PaletteShown{"PALETTES", "SHOWN", ""};
inline constexpr int PaletteShownBuffer = 1024;

inline int Read(const IntKey& setting, const std::string& path)
{
    return GetPrivateProfileIntA(setting.section, setting.key, setting.fallback, path);
}

inline std::string Read(const TextKey& setting, std::size_t bufferSize, const std::string& path)
{
    return GetPrivateProfileStringA(setting.section, setting.key, setting.fallback, bufferSize,
                                    path);
}

inline bool Write(const IntKey& setting, int value, const std::string& path)
{
    return WritePrivateProfileStringA(setting.section, setting.key, std::to_string(value), path);
}

inline int Read(const OptionKey& option, const std::string& path)
{
    // Room for any value the program writes and a little more: a longer text is none of them.
    constexpr std::size_t Buffer = 16;
    const std::string text = GetPrivateProfileStringA(option.section, option.key, "", Buffer, path);
    for (const int value : option.values) {
        if (text == std::to_string(value))
            return value;
    }
    return option.fallback;
}

// Writes the option as the user changed it: the value, or, for the fallback, no key at all, so
// that an option at its default leaves the file as the design has it. The write leaves a retired
// section (RetireProfileSection) where it is: it is no write of the design's.
inline bool Write(const OptionKey& option, int value, const std::string& path)
{
    const std::string text = std::to_string(value);
    const ProfileEntry entry{option.section, option.key,
                             value == option.fallback ? std::nullopt
                                                      : std::optional<std::string_view>(text)};
    return WritePrivateProfileEntries(std::span(&entry, 1), path, RetiredSections::Keep);
}

// One key of a write of several, which `text` must outlive.
inline ProfileEntry Entry(const IntKey& setting, const std::string& text)
{
    return {setting.section, setting.key, text};
}
inline ProfileEntry Entry(const TextKey& setting, const std::string& text)
{
    return {setting.section, setting.key, text};
}

} // namespace tessuvo::keys
