#include "stylesheetpalette.h"

namespace tessuvo {

PaletteRead ReadStyleSheetPalette(std::string_view)
{
    return {{}, PaletteProblem::NoColor};
}

} // namespace tessuvo
