#include "messagebox.h"

#include "res/resource.h"

#include <QApplication>
#include <QMessageBox>

namespace tessuvo {

namespace {

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(unsigned type)
{
    switch (type & 0xF) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int ButtonId(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return res::IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return res::IDOK;
    }
}

} // namespace

int MessageBoxA(QWidget* parent, const std::string& text, const std::string& caption, unsigned type)
{
    QMessageBox box(IconOf(type), QString::fromStdString(caption), QString::fromStdString(text),
                    ButtonsOf(type), parent ? parent : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (type & MB_DEFBUTTON2)
        box.setDefaultButton((type & 0xF) == MB_OKCANCEL ? QMessageBox::Cancel : QMessageBox::No);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    return ButtonId(pressed);
}

int AfxMessageBox(const std::string& text, unsigned type)
{
    return MessageBoxA(nullptr, text, ApplicationTitle, type);
}

} // namespace tessuvo
