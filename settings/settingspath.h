#pragma once

#include <string>

namespace tessuvo {

inline constexpr const char* SettingsFileName = "tessuvo.ini";
inline constexpr const char* HistoryFileName = "history.ini";

// Directory of the running executable, ending in a path separator.
std::string ExecutableDirectory();

// Where the install step puts the program's data for an executable in `exeDir`
// (`share/tessuvo/` beside `bin/`), ending in a path separator.
std::string InstalledDataDirectoryFor(const std::string& exeDir);

// Whether the executable in `exeDir` is an installed copy: it sits in the install's bin folder
// and the data folder beside it exists, as `cmake --install` (any prefix, with or without
// DESTDIR) and the package lay them out. A build folder is never such a bin folder.
bool IsInstalledCopy(const std::string& exeDir);

// The settings file. An installed copy keeps it under $XDG_CONFIG_HOME/tessuvo/ always, also
// when root, who can write /usr/bin, runs it. Any other copy keeps it beside the executable; under
// $XDG_CONFIG_HOME/tessuvo/ instead when that folder cannot be written and holds no settings file
// yet, so that the settings are not silently lost, and when the settings file cannot be written
// (read-only, unreadable, not a file), from the first write that failed on.
std::string SettingsPath(const std::string& exeDir);

// The start-up step: chooses the settings file as above, arranges for a failed write beside the
// executable to move the settings to $XDG_CONFIG_HOME, and clears away what writes killed
// half-way left behind. Returns the path that every window then uses.
std::string PrepareSettingsFile(const std::string& exeDir);

// What the choice of the settings file depends on.
struct SettingsPathFacts
{
    std::string exeDir;
    bool installed = false;
    bool exeDirWritable = true;
    bool settingsFileExists = false;
    bool settingsFileWritable = true;
    bool fallbackExists = false; // a failed write has started the file under $XDG_CONFIG_HOME
    const char* xdgConfigHome = nullptr;
    const char* home = nullptr;
};

// The decision above, with the facts of the file system handed in.
std::string ChooseSettingsPath(const SettingsPathFacts& facts);

// $XDG_CONFIG_HOME/tessuvo/tessuvo.ini, or under ~/.config without it; empty without either.
std::string XdgSettingsPath(const char* xdgConfigHome, const char* home);

// The file of the history of pairs, per-user state that is no setting: one for every copy of
// the program, installed or not, $XDG_STATE_HOME/tessuvo/history.ini (by default under
// ~/.local/state); empty without either.
std::string HistoryPath();
std::string XdgHistoryPath(const char* xdgStateHome, const char* home);

} // namespace tessuvo
