#include "contrastlevel.h"

#include "contrast.h"
#include "core/text/ascii.h"

#include <utility>

namespace tessuvo {

std::optional<ContrastLevel> ContrastLevelNamed(std::string_view name)
{
    constexpr std::pair<std::string_view, ContrastLevel> names[] = {
        {"aa", ContrastLevel::AA},
        {"aaa", ContrastLevel::AAA},
        {"aa-large", ContrastLevel::LargeAA},
        {"aaa-large", ContrastLevel::LargeAAA}};
    for (const auto& [known, level] : names) {
        if (EqualsIgnoringAsciiCase(name, known))
            return level;
    }
    return std::nullopt;
}

bool ReachesLevel(double ratio, ContrastLevel level)
{
    switch (level) {
    case ContrastLevel::AA:
        return ratio >= RatioAA;
    case ContrastLevel::AAA:
        return ratio >= RatioAAA;
    case ContrastLevel::LargeAA:
        return ratio >= RatioLargeAA;
    case ContrastLevel::LargeAAA:
        return ratio >= RatioLargeAAA;
    }
    return false;
}

} // namespace tessuvo
