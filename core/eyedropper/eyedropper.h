#pragma once

#include "core/color/color.h"
#include "pickarea.h"
#include "pixelsquare.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace tessuvo {

// A point of the desktop in logical pixels, fractions naming device pixels within one.
struct GlobalPoint
{
    double x = 0;
    double y = 0;
};

// What the eyedropper needs from the system: the mouse capture for the window that runs it,
// the colour of one screen pixel or of a square of them, and the pointer.
class PickScreen
{
public:
    virtual ~PickScreen() = default;

    // Until released, every mouse button press anywhere on the screen goes to the window.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    // The pixel at a global point as a packed colour value (red in the low byte); all bits
    // set where no screen lies.
    virtual std::uint32_t GetPixel(double x, double y) const = 0;
    // The square of device pixels `radius` around the one that GetPixel reads at the point,
    // in one read of the screen.
    virtual PixelSquare GetSquare(double x, double y, int radius) const = 0;

    virtual GlobalPoint PointerPosition() const = 0;
    // Moves the pointer by whole device pixels.
    virtual void MovePointer(int dx, int dy) = 0;
};

// The colour in the low three bytes of a packed colour value; the top byte is ignored.
constexpr Color FromColorRef(std::uint32_t value)
{
    return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>((value >> 16) & 0xFF)};
}

// Takes the colour of a screen pixel, or the average of a small square of them, into a colour
// of its window. Idle until started; armed for
// a target until the left button goes down; taken (picking, but with no target) until the left
// button comes up. A right press ends picking without a refresh. Losing the capture to another
// program leaves it picking, so the next press that reaches the window still picks.
class Eyedropper final
{
public:
    explicit Eyedropper(PickScreen& screen) : m_screen(screen) {}

    // What a left press read: the colour, and the target it goes to (none once taken).
    struct Pick
    {
        std::optional<ColorTarget> target;
        Color color;
    };

    // From any state to armed for `target`; a second start retargets.
    void Start(ColorTarget target);
    // While picking, reads the pixel at the global point and clears the target.
    std::optional<Pick> LeftButtonDown(double x, double y);
    // Ends picking, as the left button's release and the right button's press both do; true
    // when it was picking. After a release the window refreshes its colours, after a right
    // press it does not.
    bool End();

    bool Picking() const { return m_picking; }
    // The target the next press goes to; none while idle or once a press has taken the pixel.
    std::optional<ColorTarget> PickTarget() const
    {
        return m_picking ? m_pickTarget : std::nullopt;
    }
    // Waiting for the press that takes the colour.
    bool Armed() const { return PickTarget().has_value(); }

    // Called after every change of state, for the views that follow it.
    void OnChange(std::function<void()> changed) { m_changed = std::move(changed); }

    // One pixel (the default), or the side of the square that a press averages: 3 or 5.
    void SetPickArea(int area);
    int PickArea() const { return m_pickArea; }

private:
    void Changed() const;

    PickScreen& m_screen;
    bool m_picking = false;
    std::optional<ColorTarget> m_pickTarget;
    int m_pickArea = DefaultPickArea;
    std::function<void()> m_changed;
};

} // namespace tessuvo
