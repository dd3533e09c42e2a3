#include "scrollbar.h"

#include "core/textbox/scrollcodes.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionSlider>
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
    if (!dragging && event->button() == Qt::LeftButton)
        emit scrolled(SB_ENDSCROLL, value());
}

void ScrollBar::contextMenuEvent(QContextMenuEvent* event)
{
    if (!style()->styleHint(QStyle::SH_ScrollBar_ContextMenu, nullptr, this)) {
        QScrollBar::contextMenuEvent(event);
        return;
    }
    // Qt's own menu moves the bar itself ("Scroll here" sets the value outright) and the owner
    // never hears of it. The same items in Qt's words, and so in Qt's translation, but each
    // reported as a scroll code like a click on the bar; "Scroll here" is a thumb move.
    static constexpr std::pair<const char*, SliderAction> Items[] = {
        {QT_TRANSLATE_NOOP("QScrollBar", "Scroll here"), SliderMove},
        {nullptr, SliderNoAction},
        {QT_TRANSLATE_NOOP("QScrollBar", "Left edge"), SliderToMinimum},
        {QT_TRANSLATE_NOOP("QScrollBar", "Right edge"), SliderToMaximum},
        {nullptr, SliderNoAction},
        {QT_TRANSLATE_NOOP("QScrollBar", "Page left"), SliderPageStepSub},
        {QT_TRANSLATE_NOOP("QScrollBar", "Page right"), SliderPageStepAdd},
        {nullptr, SliderNoAction},
        {QT_TRANSLATE_NOOP("QScrollBar", "Scroll left"), SliderSingleStepSub},
        {QT_TRANSLATE_NOOP("QScrollBar", "Scroll right"), SliderSingleStepAdd},
    };
    QPointer<QMenu> menu = new QMenu(this);
    for (const auto& [source, action] : Items) {
        if (source)
            menu->addAction(QScrollBar::tr(source))->setData(action);
        else
            menu->addSeparator();
    }
    const int clickX = event->pos().x();
    const QAction* chosen = menu->exec(event->globalPos());
    if (!menu)
        return; // the bar went away, and its menu with it, while the menu was open
    const auto action = static_cast<SliderAction>(chosen ? chosen->data().toInt() : SliderNoAction);
    delete menu;
    if (action == SliderNoAction)
        return;
    if (action == SliderMove)
        emit scrolled(SB_THUMBPOSITION, PositionAt(clickX));
    else
        triggerAction(action); // reported through OnAction, which leaves the value to the owner
    // A menu choice is a whole scroll, as a click and release on the bar are.
    emit scrolled(SB_ENDSCROLL, value());
}

int ScrollBar::PositionAt(int x) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    const int span = groove.width() - thumb.width();
    const bool mirrored = option.upsideDown != (layoutDirection() == Qt::RightToLeft);
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - thumb.width() / 2 - groove.x(),
                                           span, mirrored);
}

} // namespace tessuvo
