#include "app/colorpickapp.h"
#include "pickcommand.h"
#include "platform/sessiondisplay.h"
#include "windowmodule.h"

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

extern "C" int TessuvoWindowMain(tessuvo::CommandLine& command)
{
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
    if (command.action == tessuvo::CommandLine::Action::Pick)
        return tessuvo::RunPick(command.format, command.copy);
    // The main window's modal loop is the program's only event loop.
    tessuvo::CColorPickApp().InitInstance();
    return 0;
}
