#pragma once

namespace tessuvo {

// Keeps every menu bar in its window, as the dialogs are laid out, and has Qt build one with
// nothing that the window does not show. Called once, before the first window.
void InstallMenuBarStyle();

} // namespace tessuvo
