#pragma once

#include <cstdint>
#include <string>

class QWidget;

namespace tessuvo {

inline constexpr unsigned HH_DISPLAY_TOPIC = 0;
inline constexpr unsigned HH_DISPLAY_TOC = 1;

// Opens the help window at `file` ("FILE::/PAGE") for HH_DISPLAY_TOPIC and HH_DISPLAY_TOC, and
// returns it; nullptr when the help library cannot be loaded or for any other command. The
// window belongs to `owner`, or to the window running the modal loop when there is no owner.
QWidget* HtmlHelpA(QWidget* owner, const std::string& file, unsigned command, std::uintptr_t data);

} // namespace tessuvo
