#pragma once

#include "core/color/colorpair.h"
#include "settingskeys.h"

#include <map>
#include <optional>
#include <string>

namespace tessuvo {

// The design's options of the main window, as the window holds them between opening and
// closing.
struct DesignOptions
{
    int topMost = 0;
    int notation = DefaultNotation;
    int previewMode = DefaultPreviewMode;
    int x = -1; // where the window's top-left corner goes; -1 in x places it in the middle
    int y = -1;
    std::string previewText;
};

// The main window's options in the settings file, each kind under its one rule. The design's
// are read when the window opens and written, all of them, only by its close handling: a
// window ended by Escape writes none of them. The additions' are written at the moment the user
// changes one, each change one locked replacement of the file, so that no way of leaving loses
// it: the key then holds the new value, or goes when the value is the default, and an option
// never changed is never written. The pair kept is written at every leaving while it is on.
class WindowOptions final
{
public:
    explicit WindowOptions(std::string iniPath);

    // Reads every option: the design's for the window to hold, the additions' to keep here.
    DesignOptions Read();
    // The close's writes of the design's options, in the design's order.
    void WriteAtClose(const DesignOptions& options) const;

    int Get(const keys::OptionKey& option) const;
    void Set(const keys::OptionKey& option, int value);

    // The pair to start with, or nothing when keeping it is off.
    std::optional<ColorPair> KeptPair() const;
    // Turns keeping the pair on, writing the mark with `pair`, or off, removing all three keys.
    void SetKeepColors(bool keep, const ColorPair& pair);
    // While keeping the pair is on, writes `pair`, the one the window leaves with.
    void WriteKeptPair(const ColorPair& pair) const;

private:
    std::string m_iniPath;
    std::map<std::string, int, std::less<>> m_additions; // by key, as read or last set
};

} // namespace tessuvo
