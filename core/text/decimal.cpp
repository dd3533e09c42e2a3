#include "decimal.h"

#include <algorithm>
#include <charconv>

namespace tessuvo {

void AppendDecimal(std::string& out, double value, int decimals, TrailingZeros zeros)
{
    // Room for the largest double written out in full.
    char buffer[400];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    if (zeros == TrailingZeros::Drop && decimals > 0) {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
    }
    const bool zero =
        std::all_of(buffer, end, [](char c) { return c == '-' || c == '0' || c == '.'; });
    out.append(buffer[0] == '-' && zero ? buffer + 1 : buffer, end);
}

} // namespace tessuvo
