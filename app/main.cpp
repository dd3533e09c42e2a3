#include "colorpickapp.h"
#include "commandline.h"
#include "platform/sessiondisplay.h"
#include "res/version.h"

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // Read before Qt starts, so that none of it needs a display.
    using Action = tessuvo::CommandLine::Action;
    const tessuvo::CommandLine command = tessuvo::ReadCommandLine(argc, argv);
    switch (command.action) {
    case Action::PrintUsage:
        std::fputs(tessuvo::UsageText, stdout);
        return 0;
    case Action::PrintVersion:
        std::printf("%s\n", tessuvo::res::VersionLine);
        return 0;
    case Action::Refuse:
        tessuvo::ReportRefusedOption(command.refused);
        return 2;
    case Action::Run:
        break;
    }
    // Without a display Qt's platform plugin would abort with a message meant for developers.
    std::vector<char*> args(argv, argv + argc);
    std::optional<tessuvo::SessionDisplay> display;
    std::string platform;
    if (!tessuvo::PlatformChosen(argc, argv)) {
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
        tessuvo::ReportRefusedOption(args[1]);
        return 2;
    }
    // The main window's modal loop is the program's only event loop.
    tessuvo::CColorPickApp().InitInstance();
    return 0;
}
