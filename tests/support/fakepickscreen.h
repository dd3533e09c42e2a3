#pragma once

#include "core/color/color.h"
#include "core/eyedropper/eyedropper.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tessuvo::test {

// A screen whose pixels a function gives, one device pixel to each logical one, and which
// records the capture, every read and the pointer's moves.
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
        return pixel ? pixel(x, y) : NoPixel;
    }
    PixelSquare GetSquare(double x, double y, int radius) const override
    {
        squareReads.push_back({x, y});
        PixelSquare square{radius, {}};
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx)
                square.pixels.push_back(pixel ? pixel(x + dx, y + dy) : NoPixel);
        }
        return square;
    }
    GlobalPoint PointerPosition() const override { return pointer; }
    void MovePointer(int dx, int dy) override
    {
        pointer.x += dx;
        pointer.y += dy;
    }

    bool captured = false;
    std::function<std::uint32_t(double, double)> pixel;
    GlobalPoint pointer{500, 300};
    mutable std::vector<Read> reads;
    mutable std::vector<Read> squareReads;
};

// A screen in which every pixel differs from its neighbours: red the column, green the row
// (both modulo 256), blue 0 and 255 as on a chessboard.
inline std::uint32_t PatternPixel(double x, double y)
{
    const int column = static_cast<int>(x), row = static_cast<int>(y);
    return ToColorRef({column & 0xFF, row & 0xFF, (column + row) % 2 ? 255 : 0});
}

} // namespace tessuvo::test
