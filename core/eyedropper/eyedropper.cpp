#include "eyedropper.h"

namespace tessuvo {

void Eyedropper::Start(ColorTarget target)
{
    m_picking = true;
    m_pickTarget = target;
    m_screen.SetCapture();
    Changed();
}

std::optional<Eyedropper::Pick> Eyedropper::LeftButtonDown(double x, double y)
{
    if (!m_picking)
        return std::nullopt;
    // Only the press counts: moving with the button held, or pressing again, picks nothing.
    const std::uint32_t value =
        m_pickArea == PickOnePixel
            ? m_screen.GetPixel(x, y)
            : AveragePick(m_screen.GetSquare(x, y, m_pickArea / 2), m_pickArea);
    const Pick pick{m_pickTarget, FromColorRef(value)};
    m_pickTarget.reset();
    Changed();
    return pick;
}

bool Eyedropper::End()
{
    if (!m_picking)
        return false;
    m_screen.ReleaseCapture();
    m_picking = false;
    Changed();
    return true;
}

void Eyedropper::SetPickArea(int area)
{
    m_pickArea = PickAreaFromValue(area);
}

void Eyedropper::Changed() const
{
    if (m_changed)
        m_changed();
}

} // namespace tessuvo
