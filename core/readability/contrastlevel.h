#pragma once

#include <optional>
#include <string_view>

namespace tessuvo {

// The WCAG 2 levels a pair can be required to reach: AA and AAA, for normal and for large text.
enum class ContrastLevel
{
    AA,
    AAA,
    LargeAA,
    LargeAAA,
};

// The level a command line names: "aa", "aaa", "aa-large" or "aaa-large", in any letter case.
std::optional<ContrastLevel> ContrastLevelNamed(std::string_view name);

// Whether a contrast ratio reaches `level`: on the unrounded ratio, as the readouts decide.
bool ReachesLevel(double ratio, ContrastLevel level);

} // namespace tessuvo
