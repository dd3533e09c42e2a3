#pragma once

#include <string>
#include <string_view>

namespace tessuvo {

inline constexpr const char* HelpFileName = "tsvo.chm";
inline constexpr const char* HelpStartPage = "/index.htm";

// The help path of the contents: the help file beside the executable, opened at its first page.
std::string HelpPath(const std::string& exeDir);

// A help path "FILE::/PAGE" taken apart at its last "::"; a path without "::" names the file's
// first page.
struct HelpTopic
{
    std::string file;
    std::string page;
};
HelpTopic SplitHelpPath(std::string_view path);

// `file` where it is; else a file of the same name in `installedDir`, where the install rules
// put the help file; empty when it is in neither.
std::string LocateHelpFile(const std::string& file, const std::string& installedDir);

// The installed data folder, with its trailing separator.
std::string InstalledDataDirectory();

} // namespace tessuvo
