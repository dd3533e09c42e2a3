#include "windowops.h"

#include "core/screen/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tessuvo {

void SetTopMost(QWidget* window, bool topMost)
{
    // QWidget::setWindowFlag on a shown window re-creates it, which hides it and lets the
    // window manager place it anew; the native window's flag changes the band in place.
    if (QWindow* handle = window->windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topMost);
        window->show();
        return;
    }
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
}

void CentreOnDesktop(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}

bool PlaceMainWindow(QWidget* window, int topMost, int savedX, int savedY)
{
    const QSize screen = PrimaryScreenSize();
    const Placement placement =
        PlaceWindow(topMost, savedX, savedY, screen.width(), screen.height());
    if (placement.kind == Placement::MoveTo)
        window->move(placement.x, placement.y);
    else
        CentreOnDesktop(window);
    if (placement.topMost)
        SetTopMost(window, true);
    return placement.topMost;
}

void PlaceBeside(QWidget* window, const QWidget* owner, int minimumWidth)
{
    constexpr int Gap = 8;
    const QRect screen = owner->screen()->availableGeometry();
    const QRect beside = owner->frameGeometry();
    const int rightRoom = screen.right() - beside.right() - Gap;
    const int leftRoom = beside.left() - screen.left() - Gap;
    const int room = std::max(rightRoom, leftRoom);
    window->resize(std::clamp(room, minimumWidth, std::max(minimumWidth, window->width())),
                   window->height());
    const int x =
        rightRoom >= leftRoom ? beside.right() + Gap : beside.left() - Gap - window->width();
    const int y = std::min(beside.top(), screen.bottom() - window->height());
    window->move(std::max(x, screen.left()), std::max(y, screen.top()));
}

} // namespace tessuvo
