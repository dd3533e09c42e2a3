#pragma once

#include <cstdint>
#include <span>

namespace tessuvo::res {

// An icon drawn as pixel rows: each character picks a colour from the icon palette, "." is
// transparent.
struct IconImage
{
    int id;
    int size;
    std::span<const char* const> rows;
};

// 0xAARRGGBB of a pixel character; 0 (transparent) for an unknown one.
std::uint32_t IconPixelColor(char pixel);

// The icon with this resource id, or nullptr.
const IconImage* FindIcon(int id);

} // namespace tessuvo::res
