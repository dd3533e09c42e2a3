#pragma once

#include <string>

// Numbers written with a fixed count of decimals, as the readouts and the copy formats print
// them: always with a point, whatever the locale Qt sets, which may write a decimal comma.
namespace tessuvo {

enum class TrailingZeros
{
    Keep, // "4.50"
    Drop, // "4.5", and "4" for "4.00"
};

// Appends `value` rounded to `decimals` digits after the point, with no minus sign when it
// rounds to zero.
void AppendDecimal(std::string& out, double value, int decimals,
                   TrailingZeros zeros = TrailingZeros::Keep);

} // namespace tessuvo
