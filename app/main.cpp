#include "colorpickapp.h"
#include "platform/sessiondisplay.h"
#include "res/version.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so that it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", tessuvo::res::VersionLine);
            return 0;
        }
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
    // Qt has taken its own options (-platform and the like) out; the program has no others.
    if (qtArgc > 1) {
        std::fprintf(stderr, "tessuvo: 不明なオプションです: %s (使えるのは --version のみ)\n",
                     args[1]);
        return 2;
    }
    tessuvo::CColorPickApp app;
    return app.InitInstance() ? QApplication::exec() : 0;
}
