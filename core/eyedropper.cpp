#include "eyedropper.h"

namespace tessuvo {

void Eyedropper::Start(ColorTarget target)
{
    m_picking = true;
    m_pickTarget = target;
    m_screen.SetCapture();
}

std::optional<Eyedropper::Pick> Eyedropper::LeftButtonDown(double x, double y)
{
    if (!m_picking)
        return std::nullopt;
    // Only the press counts: moving with the button held, or pressing again, picks nothing.
    const Pick pick{m_pickTarget, FromColorRef(m_screen.GetPixel(x, y))};
    m_pickTarget.reset();
    return pick;
}

bool Eyedropper::End()
{
    if (!m_picking)
        return false;
    m_screen.ReleaseCapture();
    m_picking = false;
    return true;
}

} // namespace tessuvo
