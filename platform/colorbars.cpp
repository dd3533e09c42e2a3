#include "colorbars.h"

#include "core/textbox/scrollcodes.h"

namespace tessuvo {

void ColorBars::SetRange() const
{
    for (ScrollBar* bar : m_bars)
        bar->SetScrollRange(ScrollMin, ScrollMax);
}

Color ColorBars::Get() const
{
    return {m_bars[0]->GetScrollPos(), m_bars[1]->GetScrollPos(), m_bars[2]->GetScrollPos()};
}

void ColorBars::Set(const Color& color) const
{
    m_bars[0]->SetScrollPos(color.red);
    m_bars[1]->SetScrollPos(color.green);
    m_bars[2]->SetScrollPos(color.blue);
}

} // namespace tessuvo
