#pragma once

#include <string>

namespace tessuvo {

inline constexpr const char* SettingsFileName = "tessuvo.ini";

// Directory of the running executable, ending in a path separator.
std::string ExecutableDirectory();

// The settings file beside the executable. An installed program (a directory it cannot write
// that holds no settings file yet) keeps its settings under $XDG_CONFIG_HOME/tessuvo/ instead,
// so that they are not silently lost.
std::string SettingsPath(const std::string& exeDir);

// The decision above, with the facts of the file system handed in.
std::string ChooseSettingsPath(const std::string& exeDir, bool exeDirWritable,
                               bool settingsFileExists, const char* xdgConfigHome,
                               const char* home);

} // namespace tessuvo
