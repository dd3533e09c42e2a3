#pragma once

#include <string_view>

namespace tessuvo {

// What the command line asks for, read before Qt starts, so that none of it needs a display.
struct CommandLine
{
    enum class Action
    {
        Run,
        PrintUsage,
        PrintVersion,
        Refuse,
    };
    Action action = Action::Run;
    // For Refuse: the first argument that is neither the program's nor one of Qt's.
    std::string_view refused;
};

// Takes the program's own options (-h, --help, --version) and lets Qt's through with their
// values (-platform NAME, -style NAME, -display NAME and the others QApplication reads). Any
// other argument is refused, wherever it stands.
CommandLine ReadCommandLine(int argc, char* argv[]);

// What --help prints.
extern const char* const UsageText;

// Says on standard error that `argument` is no option of the program.
void ReportRefusedOption(std::string_view argument);

} // namespace tessuvo
