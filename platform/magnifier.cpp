#include "magnifier.h"

#include "core/eyedropper/magnifierplacement.h"
#include "dialogfont.h"
#include "qtcolor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <vector>

namespace tessuvo {

namespace {

// Each device pixel is a block of 8 × 8 logical pixels with a line of the grid after it, so
// that the magnifier keeps its size at every scale.
constexpr int Cell = 8;
constexpr int Pitch = Cell + 1;
constexpr int Cells = 2 * MagnifierRadius + 1;
constexpr int GridSize = Cells * Pitch + 1;
constexpr int Margin = 4;
constexpr int LineHeight = 16;
constexpr int Width = Margin + GridSize + Margin;
constexpr int Height = Margin + GridSize + Margin + 2 * LineHeight + Margin;
const QColor GridColor(128, 128, 128);

QPoint Floor(QPointF p)
{
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

} // namespace

Magnifier::Magnifier(QWidget* owner, const PickScreen& screen, Describe describe)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      m_screen(screen), m_describe(std::move(describe))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(Width, Height);
    setFont(DialogFont());
    m_frame.setSingleShot(true);
    m_frame.setTimerType(Qt::PreciseTimer);
    connect(&m_frame, &QTimer::timeout, this, &Magnifier::Update);
}

void Magnifier::Follow(QPointF global)
{
    m_pointer = global;
    // A pointer that jumps onto the magnifier sends it away at once, not a frame later.
    if (isVisible() && geometry().intersects(Shown(global))) {
        Update();
        return;
    }
    if (!m_frame.isActive())
        m_frame.start(static_cast<int>(std::max<qint64>(0, FrameMs() - SinceUpdateMs())));
}

void Magnifier::Stop()
{
    m_frame.stop();
    hide();
}

void Magnifier::Update()
{
    m_frame.stop();
    m_sinceUpdate.restart();
    const QPoint pointer = Floor(m_pointer);
    std::vector<ScreenRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        screens.push_back({g.x(), g.y(), g.width(), g.height()});
    }
    const QRect shown = Shown(m_pointer);
    const auto place = PlaceMagnifier({pointer.x(), pointer.y()},
                                      {shown.x(), shown.y(), shown.width(), shown.height()}, Width,
                                      Height, screens);
    if (!place) {
        hide();
        return;
    }
    if (isVisible() && geometry().intersects(shown)) {
        // Read now, the square would hold the magnifier itself: out of the way first, and the
        // pixels a frame later, when the windows beneath have painted them again.
        move(place->x, place->y);
        m_frame.start(FrameMs());
        return;
    }
    m_view = m_describe(m_screen.GetSquare(m_pointer.x(), m_pointer.y(), MagnifierRadius));
    // What the view says, for screen readers and for tests of the running program.
    const QString text = QString::fromStdString(m_view.value + " " + m_view.contrast);
    setWindowTitle(text);
    setAccessibleName(text);
    move(place->x, place->y);
    if (!isVisible())
        show();
    repaint();
}

// The logical pixels that hold the device pixels shown around `pointer`; empty where no
// screen lies.
QRect Magnifier::Shown(QPointF pointer)
{
    const QScreen* screen = QGuiApplication::screenAt(Floor(pointer));
    if (!screen)
        return {};
    const qreal reach = (MagnifierRadius + 1) / screen->devicePixelRatio();
    const QPoint from = Floor(pointer - QPointF(reach, reach));
    const int side = static_cast<int>(std::ceil(pointer.x() + reach)) - from.x();
    return {from, QSize(side, side)};
}

int Magnifier::FrameMs() const
{
    const QScreen* screen = QGuiApplication::screenAt(Floor(m_pointer));
    const qreal rate = screen && screen->refreshRate() > 0 ? screen->refreshRate() : 60;
    return static_cast<int>(1000 / rate);
}

qint64 Magnifier::SinceUpdateMs() const
{
    return m_sinceUpdate.isValid() ? m_sinceUpdate.elapsed() : FrameMs();
}

void Magnifier::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QPoint grid(Margin, Margin);
    painter.fillRect(QRect(grid, QSize(GridSize, GridSize)), GridColor);
    for (int row = 0; row < Cells; ++row) {
        for (int column = 0; column < Cells; ++column) {
            const std::uint32_t pixel =
                m_view.square.At(column - MagnifierRadius, row - MagnifierRadius);
            const QRect cell(grid + QPoint(1 + column * Pitch, 1 + row * Pitch), QSize(Cell, Cell));
            painter.fillRect(cell, pixel == NoPixel ? palette().window().color()
                                                    : ToQColor(FromColorRef(pixel)));
        }
    }
    // Around what a press takes, over the grid line and a pixel of the cells beyond it.
    const int first = MagnifierRadius - m_view.outlined / 2;
    const QRect box(grid + QPoint(first * Pitch - 1, first * Pitch - 1),
                    QSize(m_view.outlined * Pitch + 3, m_view.outlined * Pitch + 3));
    const QColor outline = ToQColor(m_view.outline);
    painter.fillRect(QRect(box.topLeft(), QSize(box.width(), 2)), outline);
    painter.fillRect(QRect(box.left(), box.bottom() - 1, box.width(), 2), outline);
    painter.fillRect(QRect(box.topLeft(), QSize(2, box.height())), outline);
    painter.fillRect(QRect(box.right() - 1, box.top(), 2, box.height()), outline);

    painter.setPen(palette().color(QPalette::WindowText));
    const QRect lines(Margin, Margin + GridSize + Margin, GridSize, LineHeight);
    painter.drawText(lines, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(m_view.value));
    painter.drawText(lines.translated(0, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(m_view.contrast));
}

} // namespace tessuvo
