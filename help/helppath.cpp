#include "helppath.h"

#include "settings/settingspath.h"

#include <filesystem>

namespace tessuvo {

namespace fs = std::filesystem;

std::string HelpPath(const std::string& exeDir)
{
    return exeDir + HelpFileName + "::" + HelpStartPage;
}

HelpTopic SplitHelpPath(std::string_view path)
{
    // The last "::": the folders of the file may hold one, the page never does.
    const std::size_t separator = path.rfind("::");
    if (separator == std::string_view::npos)
        return {std::string(path), HelpStartPage};
    std::string page(path.substr(separator + 2));
    if (page.empty() || page.front() != '/')
        page.insert(page.begin(), '/');
    return {std::string(path.substr(0, separator)), page};
}

std::string LocateHelpFile(const std::string& file, const std::string& installedDir)
{
    std::error_code error;
    if (fs::is_regular_file(file, error))
        return file;
    const std::string installed = installedDir + fs::path(file).filename().string();
    if (!installedDir.empty() && fs::is_regular_file(installed, error))
        return installed;
    return {};
}

std::string InstalledDataDirectory()
{
    return InstalledDataDirectoryFor(ExecutableDirectory());
}

} // namespace tessuvo
