#include "palettesearch.h"

#include "core/color/hex.h"
#include "core/text/ascii.h"

#include <algorithm>

namespace tessuvo {

namespace {

std::string Lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
}

} // namespace

PaletteSearch::PaletteSearch(const Palette& palette)
{
    m_keys.reserve(palette.colors.size());
    for (const PaletteColor& entry : palette.colors)
        m_keys.push_back(Lowered(entry.name) + '\n' + CssColor(entry.color));
}

std::vector<int> PaletteSearch::Matching(std::string_view query) const
{
    const std::string wanted = Lowered(TrimAsciiSpace(query));
    std::vector<int> found;
    found.reserve(m_keys.size());
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        if (m_keys[i].find(wanted) != std::string::npos)
            found.push_back(static_cast<int>(i));
    return found;
}

} // namespace tessuvo
