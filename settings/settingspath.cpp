#include "settingspath.h"

#include "profile.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace tessuvo {

namespace fs = std::filesystem;

namespace {

// $HOME, or the account's home when a service or `env -i` started the program without it: an
// installed copy has no other place for its settings.
const char* HomeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* account = ::getpwuid(::geteuid());
    return account ? account->pw_dir : nullptr;
}

std::string WithSeparator(const fs::path& dir)
{
    std::string text = dir.lexically_normal().string();
    if (text.empty() || text.back() != '/')
        text += '/';
    return text;
}

// The base directory's own folder, or `homeFallback` under the home; a relative base directory
// counts as none, as the XDG convention says.
std::string XdgFile(const char* baseDir, const char* home, const char* homeFallback,
                    const char* name)
{
    std::string base;
    if (baseDir && *baseDir == '/')
        base = baseDir;
    else if (home && *home)
        base = std::string(home) + homeFallback;
    else
        return {};
    return base + "/tessuvo/" + name;
}

} // namespace

std::string ExecutableDirectory()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

// The build computes both ways between the install's bin and data folders, so that an installed
// copy recognises its layout wherever the tree was put.
std::string InstalledDataDirectoryFor(const std::string& exeDir)
{
    return WithSeparator(fs::path(exeDir) / TESSUVO_BIN_TO_DATA);
}

bool IsInstalledCopy(const std::string& exeDir)
{
    const std::string data = InstalledDataDirectoryFor(exeDir);
    std::error_code ec;
    return WithSeparator(fs::path(data) / TESSUVO_DATA_TO_BIN) == WithSeparator(exeDir) &&
           fs::is_directory(data, ec);
}

std::string XdgSettingsPath(const char* xdgConfigHome, const char* home)
{
    return XdgFile(xdgConfigHome, home, "/.config", SettingsFileName);
}

std::string XdgHistoryPath(const char* xdgStateHome, const char* home)
{
    return XdgFile(xdgStateHome, home, "/.local/state", HistoryFileName);
}

std::string HistoryPath()
{
    return XdgHistoryPath(std::getenv("XDG_STATE_HOME"), HomeDirectory());
}

std::string ChooseSettingsPath(const SettingsPathFacts& facts)
{
    const std::string beside = facts.exeDir + SettingsFileName;
    const std::string xdg = XdgSettingsPath(facts.xdgConfigHome, facts.home);
    if (xdg.empty())
        return beside;
    if (facts.installed)
        return xdg;
    if (facts.settingsFileExists)
        return !facts.settingsFileWritable && facts.fallbackExists ? xdg : beside;
    return facts.exeDirWritable ? beside : xdg;
}

std::string SettingsPath(const std::string& exeDir)
{
    SettingsPathFacts facts;
    facts.exeDir = exeDir;
    facts.xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    facts.home = HomeDirectory();
    facts.installed = IsInstalledCopy(exeDir);
    const std::string beside = exeDir + SettingsFileName;
    const std::string xdg = XdgSettingsPath(facts.xdgConfigHome, facts.home);
    if (!facts.installed) {
        std::error_code ec;
        facts.exeDirWritable = ::access(exeDir.c_str(), W_OK) == 0;
        facts.settingsFileExists = fs::exists(fs::symlink_status(beside, ec));
        facts.fallbackExists = !xdg.empty() && fs::exists(xdg, ec);
        // The file is read to see whether it can be written only when the settings may have moved.
        facts.settingsFileWritable =
            !facts.settingsFileExists || !facts.fallbackExists || ProfileFileWritable(beside);
    }
    return ChooseSettingsPath(facts);
}

std::string PrepareSettingsFile(const std::string& exeDir)
{
    const std::string path = SettingsPath(exeDir);
    const std::string beside = exeDir + SettingsFileName;
    const std::string xdg = XdgSettingsPath(std::getenv("XDG_CONFIG_HOME"), HomeDirectory());
    if (path == beside && !xdg.empty())
        SetProfileFallback(beside, xdg);
    RemoveStaleProfileTemporaries(path);
    return path;
}

} // namespace tessuvo
