#pragma once

#include "core/readability/contrastlevel.h"

#include <optional>
#include <string_view>

namespace tessuvo {

// tessuvo --contrast TEXT BACKGROUND [--require LEVEL]: the pair's readout, as the preview
// band gives it, on standard output. The colours are read as pastes into their boxes read
// them: an alpha laid over white for the background and over the background for the text.
// 1 with a message when either holds no colour; otherwise 0, or with a level required, 0 when
// the pair reaches it and 1 when it does not.
int RunContrast(std::string_view text, std::string_view background,
                std::optional<ContrastLevel> required);

} // namespace tessuvo
