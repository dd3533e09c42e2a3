#include "scrollbar.h"

#include "core/scrollcodes.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tessuvo {

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setSingleStep(1);
    setPageStep(10);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &ScrollBar::OnAction);
    connect(this, &QAbstractSlider::sliderReleased, this, [this] {
        emit scrolled(SB_THUMBPOSITION, sliderPosition());
        emit scrolled(SB_ENDSCROLL, value());
    });
}

void ScrollBar::SetScrollRange(int minimum, int maximum)
{
    setRange(minimum, maximum);
}

void ScrollBar::SetScrollPos(int position)
{
    setValue(qBound(minimum(), position, maximum()));
}

void ScrollBar::OnAction(int action)
{
    static constexpr std::pair<int, int> Codes[] = {
        {SliderSingleStepSub, SB_LINELEFT}, {SliderSingleStepAdd, SB_LINERIGHT},
        {SliderPageStepSub, SB_PAGELEFT},   {SliderPageStepAdd, SB_PAGERIGHT},
        {SliderToMinimum, SB_LEFT},         {SliderToMaximum, SB_RIGHT},
        {SliderMove, SB_THUMBTRACK},
    };
    const auto* found = std::find_if(std::begin(Codes), std::end(Codes),
                                     [action](const auto& entry) { return entry.first == action; });
    if (found == std::end(Codes))
        return;
    // Qt has already moved its slider position; the owner decides the value, and whatever
    // it sets is what Qt settles on after this signal.
    emit scrolled(found->second, found->second == SB_THUMBTRACK ? sliderPosition() : 0);
    setSliderPosition(value());
}

void ScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dragging = isSliderDown();
    QScrollBar::mouseReleaseEvent(event);
    if (!dragging)
        emit scrolled(SB_ENDSCROLL, value());
}

} // namespace tessuvo
