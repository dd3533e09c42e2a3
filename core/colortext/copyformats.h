#pragma once

#include "core/color/color.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessuvo {

// The forms a colour can be copied in besides its edit box's notation.
enum class CopyFormat
{
    HexLower, // #rrggbb
    HexUpper, // #RRGGBB
    Rgb,      // rgb(r g b)
    Hsl,      // hsl(h s% l%)
    Oklch,    // oklch(L C H)
    Decimal,  // r,g,b
};

// In the order the copy button's menu lists them.
inline constexpr CopyFormat CopyFormats[] = {CopyFormat::HexLower, CopyFormat::HexUpper,
                                             CopyFormat::Rgb,      CopyFormat::Hsl,
                                             CopyFormat::Oklch,    CopyFormat::Decimal};

// `color` in `format`. The numbers of hsl() and oklch() carry the fewest decimals with which
// the text still reads back as the same 8-bit colour; hues are 0 to 360 degrees, 0 for greys.
std::string FormatColorAs(CopyFormat format, const Color& color);

// The format a command line names: "hex", "HEX", "rgb", "hsl", "oklch" or "decimal", letter
// case counting, as it tells the two hexadecimal forms apart.
std::optional<CopyFormat> CopyFormatNamed(std::string_view name);

} // namespace tessuvo
