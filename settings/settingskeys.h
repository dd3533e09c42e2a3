#pragma once

#include "core/eyedropper/pickarea.h"
#include "core/textbox/modes.h"
#include "profile.h"

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

inline constexpr IntKey TopMost{"FLG", "TOPMOST", 0};
inline constexpr IntKey Notation{"FLG", "RGB", DefaultNotation};
inline constexpr IntKey PreviewMode{"FLG", "PREVIEW", DefaultPreviewMode};
inline constexpr IntKey UseFont{"FLG", "USEFONT", 0};
// 1 shows the contrast line under the controls; any other value does not.
inline constexpr IntKey ContrastLine{"FLG", "CONTRASTLINE", 0};
// What the tag commands write: 0 HTML tags, 1 CSS.
inline constexpr IntKey Output{"FLG", "OUTPUT", 0};

// The pair the window closed with, shown at the next start while KEEPCOLORS is 1 (keptpair.h).
inline constexpr IntKey KeepColors{"FLG", "KEEPCOLORS", 0};
inline constexpr TextKey KeptBackground{"FLG", "BGCOLOR", "#FFFFFF"};
inline constexpr TextKey KeptText{"FLG", "FGCOLOR", "#000000"};
// 1, 3 or 5; any other value means 1. Written only once it differs from what was read, so that
// a file without it stays as it was.
inline constexpr IntKey PickArea{"FLG", "PICKAREA", DefaultPickArea};

// -1 places the window in the middle of the desktop.
inline constexpr IntKey PositionX{"POSITION", "X", -1};
inline constexpr IntKey PositionY{"POSITION", "Y", -1};

inline constexpr TextKey PreviewString{"PREVIEW", "STRING", "[TESSUVO]"};
// Present, as 1, only when STRING holds a text with its line breaks escaped.
inline constexpr IntKey PreviewEscaped{"PREVIEW", "ESCAPED", 0};
inline constexpr int PreviewTextBuffer = 1024;

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
