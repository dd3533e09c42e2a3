#include "settingspath.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace tessuvo {

std::string ExecutableDirectory()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string ChooseSettingsPath(const std::string& exeDir, bool exeDirWritable,
                               bool settingsFileExists, const char* xdgConfigHome, const char* home)
{
    if (exeDirWritable || settingsFileExists)
        return exeDir + SettingsFileName;
    std::string config;
    if (xdgConfigHome && *xdgConfigHome == '/')
        config = xdgConfigHome;
    else if (home && *home)
        config = std::string(home) + "/.config";
    else
        return exeDir + SettingsFileName;
    return config + "/tessuvo/" + SettingsFileName;
}

std::string SettingsPath(const std::string& exeDir)
{
    const std::string beside = exeDir + SettingsFileName;
    return ChooseSettingsPath(exeDir, ::access(exeDir.c_str(), W_OK) == 0,
                              ::access(beside.c_str(), F_OK) == 0, std::getenv("XDG_CONFIG_HOME"),
                              std::getenv("HOME"));
}

} // namespace tessuvo
