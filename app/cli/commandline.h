#pragma once

#include "core/colortext/copyformats.h"
#include "core/readability/contrastlevel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessuvo {

// What the command line asks for, read before Qt starts, so that none of it needs a display.
struct CommandLine
{
    enum class Action
    {
        Run, // the main window
        PrintUsage,
        PrintVersion,
        Refuse,
        Pick,
        Convert,
        Contrast,
    };
    Action action = Action::Run;
    // For Refuse: the line that says why.
    std::string refusal;
    // The program's name and Qt's options with their values, for QApplication.
    std::vector<char*> qtArguments;
    // For Convert the colour text; for Contrast the text colour, then the background.
    std::vector<std::string_view> colors;
    std::optional<CopyFormat> format;
    bool copy = false;
    std::optional<ContrastLevel> required;
};

// Takes the program's own options, wherever they stand:
//   -h, --help; --version;
//   --pick [--format F] [--copy]; --convert TEXT [--format F];
//   --contrast TEXT BACKGROUND [--require LEVEL];
// a value also after "=" where an option takes one ("--format=hex"). Qt's options pass with
// their values (-platform NAME, -style NAME, -display NAME and the others QApplication reads).
// Anything else, a value missing or unknown, or options that do not go together, is refused.
CommandLine ReadCommandLine(int argc, char* argv[]);

// What --help prints.
extern const char* const UsageText;

// The line that refuses `argument`, which is no option of the program.
std::string RefusedOption(std::string_view argument);

} // namespace tessuvo
