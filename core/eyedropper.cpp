#include "eyedropper.h"

namespace tessuvo {

void Eyedropper::Start(int target)
{
    m_picking = 1;
    m_pickTarget = target;
    m_screen.SetCapture();
    Changed();
}

std::optional<Eyedropper::Pick> Eyedropper::LeftButtonDown(double x, double y)
{
    if (m_picking != 1)
        return std::nullopt;
    // Only the press counts: moving with the button held, or pressing again, picks nothing.
    const std::uint32_t value =
        m_pickArea == PickOnePixel
            ? m_screen.GetPixel(x, y)
            : AveragePick(m_screen.GetSquare(x, y, m_pickArea / 2), m_pickArea);
    const Pick pick{m_pickTarget, FromColorRef(value)};
    m_pickTarget = 0;
    Changed();
    return pick;
}

void Eyedropper::Changed() const
{
    if (m_changed)
        m_changed();
}

void Eyedropper::SetPickArea(int area)
{
    m_pickArea = PickAreaFromValue(area);
}

bool Eyedropper::LeftButtonUp()
{
    if (m_picking != 1)
        return false;
    m_screen.ReleaseCapture();
    m_picking = 0;
    Changed();
    return true;
}

bool Eyedropper::RightButtonDown()
{
    if (m_picking != 1)
        return false;
    m_screen.ReleaseCapture();
    m_picking = 0;
    Changed();
    return true;
}

} // namespace tessuvo
