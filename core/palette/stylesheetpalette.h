#pragma once

#include "palette.h"

#include <string_view>

namespace tessuvo {

// Every colour value in the declarations of a style sheet (CSS, SCSS, Less), or of the style
// sheets and style attributes of a page (HTML and the like): named by its custom property or
// variable ("brand-blue" for "--brand-blue"), else by its rule's selector and its property
// ("body color"). A colour of a name and value met before is taken once.
PaletteRead ReadStyleSheetPalette(std::string_view text);

} // namespace tessuvo
