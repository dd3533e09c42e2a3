// The smallest Qt Widgets dialog that shows one Japanese label: the yardstick the program's
// start-up is measured against.
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Baseline"));
    dialog.resize(271, 182);
    QLabel label(QStringLiteral("背景色と文字色"), &dialog);
    label.move(10, 10);
    return dialog.exec();
}
