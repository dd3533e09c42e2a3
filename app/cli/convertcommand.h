#pragma once

#include "core/colortext/copyformats.h"

#include <optional>
#include <string_view>

namespace tessuvo {

// tessuvo --convert TEXT [--format F]: the colour TEXT stands for, read as a paste into the
// background box reads it (an alpha laid over white), on standard output in form F, or in the
// six forms of the copy menu one a line. 0, or 1 with a message when TEXT holds no colour.
int RunConvert(std::string_view text, std::optional<CopyFormat> format);

} // namespace tessuvo
