#include "windowops.h"

#include "core/screen/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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

} // namespace tessuvo
