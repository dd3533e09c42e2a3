#pragma once

#include <string>

class QWidget;

namespace tessuvo {

// Buttons and icons of a message box, and the button ids it answers with.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
// The second button (No, or Cancel after OK) answers Enter.
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;

inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The application's name, the caption of its message boxes.
inline constexpr const char* ApplicationTitle = "Tessuvo";

// Shows `text` modally over `parent` (or the active window) with the buttons and icon that
// `type` asks for; the id of the button pressed (IDOK, IDCANCEL, IDYES, IDNO). Closing the box
// answers as its cancel button would, or IDOK when it has only OK.
int MessageBoxA(QWidget* parent, const std::string& text, const std::string& caption,
                unsigned type);

// A message box captioned with the application's name.
int AfxMessageBox(const std::string& text, unsigned type);

} // namespace tessuvo
