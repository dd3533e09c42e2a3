#pragma once

#include "core/eyedropper.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tessuvo::test {

// A screen whose pixels a function gives, and which records the capture and every read.
class FakePickScreen final : public PickScreen
{
public:
    struct Read
    {
        double x;
        double y;
    };

    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }
    std::uint32_t GetPixel(double x, double y) const override
    {
        reads.push_back({x, y});
        return pixel ? pixel(x, y) : 0xFFFFFFFFu;
    }

    bool captured = false;
    std::function<std::uint32_t(double, double)> pixel;
    mutable std::vector<Read> reads;
};

} // namespace tessuvo::test
