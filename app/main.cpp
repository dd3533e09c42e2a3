#include "colorpickapp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    tessuvo::CColorPickApp app;
    return app.InitInstance() ? QApplication::exec() : 0;
}
