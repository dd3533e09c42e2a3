#include "colorpickapp.h"
#include "res/version.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so that it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", tessuvo::res::VersionLine);
            return 0;
        }
    }
    QApplication qtApp(argc, argv);
    // Qt has taken its own options (-platform and the like) out; the program has no others.
    if (argc > 1) {
        std::fprintf(stderr, "tessuvo: 不明なオプションです: %s (使えるのは --version のみ)\n",
                     argv[1]);
        return 2;
    }
    tessuvo::CColorPickApp app;
    return app.InitInstance() ? QApplication::exec() : 0;
}
