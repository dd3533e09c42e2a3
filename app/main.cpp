#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Tessuvo: the colour window arrives with the next step."));
    placeholder.show();
    return app.exec();
}
