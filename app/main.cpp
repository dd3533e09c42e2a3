#include "cli/commandline.h"
#include "cli/contrastcommand.h"
#include "cli/convertcommand.h"
#include "cli/pickcommand.h"
#include "colorpickapp.h"
#include "platform/sessiondisplay.h"
#include "res/version.h"

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // Read before Qt starts, so that none of it needs a display; --convert and --contrast end
    // here, without Qt.
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
    // Without a display Qt's platform plugin would abort with a message meant for developers.
    std::vector<char*>& args = command.qtArguments;
    std::optional<tessuvo::SessionDisplay> display;
    std::string platform;
    if (!tessuvo::PlatformChosen(static_cast<int>(args.size()), args.data())) {
        display.emplace();
        if (display->Platform().empty()) {
            std::fputs("tessuvo: no display found; start it in a desktop session (X11 or "
                       "Wayland).\n"
                       "tessuvo: 画面が見つかりません。デスクトップ環境で起動してください。\n",
                       stderr);
            return 1;
        }
        platform = display->Platform();
        static char option[] = "-platform";
        args.push_back(option);
        args.push_back(platform.data());
    }
    int qtArgc = static_cast<int>(args.size());
    args.push_back(nullptr);
    QApplication qtApp(qtArgc, args.data());
    display.reset();
    // Lets a Wayland compositor match the window to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tessuvo.Tessuvo"));
    // Qt has taken the options it read; one left is one this platform does not take (-display
    // on Wayland, say).
    if (qtArgc > 1) {
        std::fprintf(stderr, "%s\n", tessuvo::RefusedOption(args[1]).c_str());
        return 2;
    }
    if (command.action == Action::Pick)
        return tessuvo::RunPick(command.format, command.copy);
    // The main window's modal loop is the program's only event loop.
    tessuvo::CColorPickApp().InitInstance();
    return 0;
}
