#include "cli/commandline.h"
#include "cli/contrastcommand.h"
#include "cli/convertcommand.h"
#include "cli/windowmodule.h"
#include "res/version.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    // Read before Qt is loaded, so that none of it needs a display; --convert and --contrast
    // end here, without Qt.
    using Action = tessuvo::CommandLine::Action;
    tessuvo::CommandLine command = tessuvo::ReadCommandLine(argc, argv);
    switch (command.action) {
    case Action::PrintUsage:
        std::fputs(tessuvo::UsageText, stdout);
        return 0;
    case Action::PrintVersion:
        std::printf("%s\n", tessuvo::res::VersionLine);
        return 0;
    case Action::Refuse:
        std::fprintf(stderr, "%s\n", command.refusal.c_str());
        return 2;
    case Action::Convert:
        return tessuvo::RunConvert(command.colors[0], command.format);
    case Action::Contrast:
        return tessuvo::RunContrast(command.colors[0], command.colors[1], command.required);
    case Action::Run:
    case Action::Pick:
        break;
    }
    return tessuvo::RunWindowModule(command);
}
