#include "scrollbar.h"

#include "app/scrollcodes.h"

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
    // Qt has already moved its slider position; the owner decides the value, and whatever
    // it sets is what Qt settles on after this signal.
    switch (action) {
    case SliderSingleStepSub:
        emit scrolled(SB_LINELEFT, 0);
        break;
    case SliderSingleStepAdd:
        emit scrolled(SB_LINERIGHT, 0);
        break;
    case SliderPageStepSub:
        emit scrolled(SB_PAGELEFT, 0);
        break;
    case SliderPageStepAdd:
        emit scrolled(SB_PAGERIGHT, 0);
        break;
    case SliderToMinimum:
        emit scrolled(SB_LEFT, 0);
        break;
    case SliderToMaximum:
        emit scrolled(SB_RIGHT, 0);
        break;
    case SliderMove:
        emit scrolled(SB_THUMBTRACK, sliderPosition());
        break;
    default:
        return;
    }
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
