#include "magnifier.h"

#include "core/magnifierplacement.h"
#include "dialogfont.h"

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

QColor ToQColor(const Color& c)
{
    return QColor(c.red, c.green, c.blue);
}

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
    if (m_frame.isActive())
        return;
    const QScreen* screen = QGuiApplication::screenAt(Floor(global));
    const qreal rate = screen && screen->refreshRate() > 0 ? screen->refreshRate() : 60;
    const qint64 frame = static_cast<qint64>(1000 / rate);
    const qint64 since = m_sinceUpdate.isValid() ? m_sinceUpdate.elapsed() : frame;
    // Right away when the last update is a frame old; otherwise when it will be.
    m_frame.start(static_cast<int>(std::max<qint64>(0, frame - since)));
}

void Magnifier::Stop()
{
    m_frame.stop();
    hide();
}

void Magnifier::Update()
{
    m_sinceUpdate.restart();
    const QPoint pointer = Floor(m_pointer);
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen) {
        hide();
        return;
    }
    std::vector<ScreenRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        screens.push_back({g.x(), g.y(), g.width(), g.height()});
    }
    // The logical pixels that hold the device pixels shown.
    const qreal reach = (MagnifierRadius + 1) / screen->devicePixelRatio();
    const QPoint shownFrom = Floor(m_pointer - QPointF(reach, reach));
    const int shownTo = static_cast<int>(std::ceil(m_pointer.x() + reach));
    const int shownSide = shownTo - shownFrom.x();
    const ScreenRect shown{shownFrom.x(), shownFrom.y(), shownSide, shownSide};
    const auto place = PlaceMagnifier({pointer.x(), pointer.y()}, shown, Width, Height, screens);
    if (!place) {
        hide();
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
