#pragma once

namespace tessuvo {

// Gives Qt's own texts (the edit boxes' and scroll bars' context menus, the message boxes'
// buttons) in Japanese like the rest of the program, whatever the user's locale. Needs the
// application object; without Qt's translation installed, those texts stay in English.
void InstallQtTranslation();

} // namespace tessuvo
