#pragma once

#include "palette.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessuvo {

// Finds a palette's colours by part of their name or of their "#rrggbb" value, in any letter
// case; made once for a palette, so that each keystroke in the filter only compares.
class PaletteSearch
{
public:
    explicit PaletteSearch(const Palette& palette);

    // The positions of the colours that match, in the palette's order; all for a blank query.
    std::vector<int> Matching(std::string_view query) const;

private:
    std::vector<std::string> m_keys; // the name and the value in lower case, a line break between
};

} // namespace tessuvo
