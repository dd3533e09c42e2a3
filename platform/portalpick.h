#pragma once

#include "core/color/color.h"

#include <chrono>
#include <functional>

class QWidget;

namespace tessuvo {

// Asks the desktop portal's own colour picker for a colour, for sessions in which the program
// may neither read screen pixels nor capture the mouse. The colour the user picks goes to
// `taken`; a cancel, a failure or no answer in time leaves everything as it was and calls
// `missed`, if given. The request belongs to `window` and ends with it; asked again while a
// request is open, only the callbacks change, as a second start of the eyedropper changes only
// its target. Where no portal answers, the message that no colour can be taken shows instead.
void PickColorThroughPortal(QWidget* window, std::function<void(const Color&)> taken,
                            std::function<void()> missed = {});

// How long the portal may keep a request open: some backends never answer one. For tests.
void SetPortalTimeout(std::chrono::milliseconds timeout);

// Says that this session lets the program take no colour from the screen.
void ShowCannotPick(QWidget* window);

} // namespace tessuvo
