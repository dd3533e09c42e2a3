#pragma once

#include <string>

namespace tessuvo {

inline constexpr const char* SettingsFileName = "tessuvo.ini";

// Directory of the running executable, ending in a path separator.
std::string ExecutableDirectory();

// The settings file beside the executable. An installed program (a directory it cannot write
// that holds no settings file yet) keeps its settings under $XDG_CONFIG_HOME/tessuvo/ instead,
// so that they are not silently lost; so does a program whose settings file cannot be written
// (read-only, unreadable, not a file), from the first write that failed on. Also clears away
// what writes killed half-way left behind.
std::string SettingsPath(const std::string& exeDir);

// The decision above, with the facts of the file system handed in.
std::string ChooseSettingsPath(const std::string& exeDir, bool exeDirWritable,
                               bool settingsFileExists, const char* xdgConfigHome,
                               const char* home);

// $XDG_CONFIG_HOME/tessuvo/tessuvo.ini, or under ~/.config without it; empty without either.
std::string XdgSettingsPath(const char* xdgConfigHome, const char* home);

} // namespace tessuvo
