#pragma once

#include "palette.h"

#include <string_view>

namespace tessuvo {

// Every colour value in the declarations of a style sheet (CSS, SCSS, Less, nested rules and
// "//" comments included), or of the style elements and style attributes of a page (HTML and
// the like, when the text begins with "<"): hexadecimal, named and functional colours, also
// inside other functions such as gradients. Each is named by its custom property or variable
// ("brand-blue" for "--brand-blue", "$brand-blue" or "@brand-blue"), else by its rule's selector
// and its property ("body color", "div color" in a style attribute). A colour of a name and
// value met before is taken once; a translucent one as it shows over white.
PaletteRead ReadStyleSheetPalette(std::string_view text);

} // namespace tessuvo
