#include "colorpair.h"

#include "core/readability/contrast.h"

namespace tessuvo {

std::string PairLabel(const ColorPair& pair)
{
    return HexCode(pair.background) + " / " + HexCode(pair.text) + "　" +
           FormatRatio(ContrastRatio(pair.background, pair.text));
}

} // namespace tessuvo
