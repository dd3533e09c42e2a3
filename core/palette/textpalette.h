#pragma once

#include "palette.h"

#include <string_view>

namespace tessuvo {

// A plain text palette: a colour a line, in any form a paste takes ("#1e3a5f", "navy",
// "rgb(30 58 95)", "30,58,95", "30 58 95", "1E3A5F", "color: #1e3a5f;"), with its name after it.
// Lines that start with no colour, comments among them, are passed over. A translucent colour
// is taken as it shows over white.
PaletteRead ReadTextPalette(std::string_view text);

} // namespace tessuvo
