// The smallest Qt Widgets dialog: the yardstick the program's start-up is measured against.
#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Baseline"));
    dialog.resize(271, 182);
    return dialog.exec();
}
