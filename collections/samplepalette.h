#pragma once

#include "core/color.h"

namespace tessuvo {

// The sample palette's colours in grid order, row by row from the top left, each with the
// control id of its button (the ids do not follow the grid).
struct SampleColor
{
    int id;
    Color color;
};

inline constexpr SampleColor SamplePalette[] = {
    {1000, {0, 0, 0}},       {1019, {0, 0, 128}},     {1002, {128, 0, 128}},
    {1004, {165, 42, 42}},   {1008, {255, 165, 0}},   {1005, {0, 128, 0}},
    {1016, {128, 128, 128}}, {1017, {0, 0, 255}},     {1020, {255, 0, 255}},
    {1003, {255, 0, 0}},     {1007, {255, 255, 0}},   {1006, {0, 255, 0}},
    {1018, {255, 255, 255}}, {1001, {135, 206, 235}}, {1014, {221, 160, 221}},
    {1009, {255, 192, 203}}, {1013, {255, 228, 196}}, {1015, {127, 255, 212}},
};

} // namespace tessuvo
