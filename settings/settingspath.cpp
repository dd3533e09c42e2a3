#include "settingspath.h"

#include "profile.h"

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

std::string XdgSettingsPath(const char* xdgConfigHome, const char* home)
{
    std::string config;
    if (xdgConfigHome && *xdgConfigHome == '/')
        config = xdgConfigHome;
    else if (home && *home)
        config = std::string(home) + "/.config";
    else
        return {};
    return config + "/tessuvo/" + SettingsFileName;
}

std::string ChooseSettingsPath(const std::string& exeDir, bool exeDirWritable,
                               bool settingsFileExists, const char* xdgConfigHome, const char* home)
{
    const std::string xdg = XdgSettingsPath(xdgConfigHome, home);
    if (exeDirWritable || settingsFileExists || xdg.empty())
        return exeDir + SettingsFileName;
    return xdg;
}

std::string SettingsPath(const std::string& exeDir)
{
    const std::string beside = exeDir + SettingsFileName;
    const std::string xdg = XdgSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    std::error_code ec;
    const bool besideExists = std::filesystem::exists(std::filesystem::symlink_status(beside, ec));
    std::string path;
    if (besideExists && !xdg.empty() && !ProfileFileWritable(beside) &&
        std::filesystem::exists(xdg, ec))
        path = xdg; // moved there when a write beside the executable failed
    else
        path = ChooseSettingsPath(exeDir, ::access(exeDir.c_str(), W_OK) == 0, besideExists,
                                  std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (path == beside && !xdg.empty())
        SetProfileFallback(beside, xdg);
    RemoveStaleProfileTemporaries(path);
    return path;
}

} // namespace tessuvo
