#pragma once

#include "core/color/color.h"
#include "scrollbar.h"

#include <array>

namespace tessuvo {

// The red, green and blue scroll bars of one colour: the colour is their positions.
class ColorBars final
{
public:
    ColorBars() = default;
    ColorBars(ScrollBar* red, ScrollBar* green, ScrollBar* blue) : m_bars{red, green, blue} {}

    // Sets the range 0..255 of each bar.
    void SetRange() const;
    Color Get() const;
    // Red, then green, then blue, each held to 0..255.
    void Set(const Color& color) const;
    const std::array<ScrollBar*, 3>& Bars() const { return m_bars; }

    // Calls `handler(bar, code, thumb)` on the scroll codes of any of the three bars.
    template <class Handler> void Connect(QObject* context, Handler handler) const
    {
        for (ScrollBar* bar : m_bars)
            QObject::connect(bar, &ScrollBar::scrolled, context,
                             [bar, handler](int code, int thumb) { handler(bar, code, thumb); });
    }

private:
    std::array<ScrollBar*, 3> m_bars{};
};

} // namespace tessuvo
