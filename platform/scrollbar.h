#pragma once

#include <QScrollBar>

namespace tessuvo {

// A horizontal scroll bar that reports each user action as a scroll code and leaves the new
// position to its owner, who sets it with SetScrollPos.
class ScrollBar final : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget* parent = nullptr);

    void SetScrollRange(int minimum, int maximum);
    void SetScrollPos(int position); // held within the range
    int GetScrollPos() const { return value(); }

signals:
    // `code` is one of the scroll codes; `thumb` the thumb's position for the thumb codes.
    void scrolled(int code, int thumb);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnAction(int action);
    // The position whose thumb is centred on `x`.
    int PositionAt(int x) const;
};

} // namespace tessuvo
