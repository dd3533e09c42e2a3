#pragma once

namespace tessuvo {

// Keeps every menu bar in its window, as the dialogs are laid out, has Qt build one with
// nothing that the window does not show, and has menus drawn without filling Qt's pixmap cache.
// Called once, before the first window.
void InstallMenuBarStyle();

} // namespace tessuvo
