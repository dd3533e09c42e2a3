#include "pickscreen.h"

#include "portalpick.h"
#include "x11pixel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tessuvo {

namespace {

class WidgetPickScreen final : public PickScreen
{
public:
    explicit WidgetPickScreen(QWidget* window) : m_window(window) {}

    void SetCapture() override { m_window->grabMouse(); }
    void ReleaseCapture() override { m_window->releaseMouse(); }
    // A pick is always at the pointer, whose device pixel X11 can name exactly.
    std::uint32_t GetPixel(double x, double y) const override
    {
        const QPointF global(x, y);
        if (const auto pixel = ReadPixelUnderPointer(global))
            return *pixel;
        return ReadScreenPixel(global);
    }
    PixelSquare GetSquare(double x, double y, int radius) const override
    {
        const QPointF global(x, y);
        if (auto square = ReadSquareUnderPointer(global, radius))
            return std::move(*square);
        return ReadScreenSquare(global, radius);
    }
    GlobalPoint PointerPosition() const override
    {
        const QPointF pointer = PointerOnX11().value_or(QPointF(QCursor::pos()));
        return {pointer.x(), pointer.y()};
    }
    // Elsewhere the pointer goes by logical pixels, the nearest the toolkit can reach.
    void MovePointer(int dx, int dy) override
    {
        if (!WarpPointer(dx, dy))
            QCursor::setPos(QCursor::pos() + QPoint(dx, dy));
    }

private:
    QWidget* m_window;
};

PickScreenFactory& Factory()
{
    static PickScreenFactory factory;
    return factory;
}

// A Wayland client gets no screen pixels: its grab comes back empty.
bool ScreenReadable()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && !screen->grabWindow(0, 0, 0, 1, 1).isNull();
}

bool PortalForced()
{
    return qgetenv("TESSUVO_EYEDROPPER") == "portal";
}

} // namespace

std::unique_ptr<PickScreen> CreatePickScreen(QWidget* window)
{
    if (Factory())
        return Factory()(window);
    return std::make_unique<WidgetPickScreen>(window);
}

void SetPickScreenFactory(PickScreenFactory factory)
{
    Factory() = std::move(factory);
}

void StartEyedropper(QWidget* window, Eyedropper& eyedropper, ColorTarget target,
                     std::function<void(const Color&)> taken, std::function<void()> missed)
{
    if (!PortalForced() && (Factory() || ScreenReadable()))
        eyedropper.Start(target);
    else
        PickColorThroughPortal(window, std::move(taken), std::move(missed));
}

std::uint32_t ReadScreenPixel(QPointF global)
{
    return ReadScreenSquare(global, 0).At(0, 0);
}

PixelSquare ReadScreenSquare(QPointF global, int radius)
{
    PixelSquare square{radius, {}};
    const int side = square.Side();
    square.pixels.assign(static_cast<std::size_t>(side * side), NoPixel);
    // The grab answers black rather than failing where no screen lies, so that is decided here.
    QScreen* screen = QGuiApplication::screenAt(
        QPoint(static_cast<int>(std::floor(global.x())), static_cast<int>(std::floor(global.y()))));
    if (!screen)
        return square;
    // In device pixels from the screen's corner: the square, and the logical pixels that hold
    // it, which is what a grab takes.
    const qreal scale = screen->devicePixelRatio();
    const QPointF local = (global - screen->geometry().topLeft()) * scale;
    const QRect wanted(QPoint(static_cast<int>(std::floor(local.x())) - radius,
                              static_cast<int>(std::floor(local.y())) - radius),
                       QSize(side, side));
    const QRect logical =
        QRect(QPoint(static_cast<int>(std::floor(wanted.left() / scale)),
                     static_cast<int>(std::floor(wanted.top() / scale))),
              QPoint(static_cast<int>(std::ceil((wanted.right() + 1) / scale)) - 1,
                     static_cast<int>(std::ceil((wanted.bottom() + 1) / scale)) - 1))
            .intersected(QRect(QPoint(0, 0), screen->geometry().size()));
    const QImage image =
        screen->grabWindow(0, logical.x(), logical.y(), logical.width(), logical.height())
            .toImage();
    if (image.isNull())
        return square;
    const QPoint origin(static_cast<int>(std::lround(logical.x() * scale)),
                        static_cast<int>(std::lround(logical.y() * scale)));
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            const QPoint at = wanted.topLeft() + QPoint(column, row) - origin;
            if (!image.rect().contains(at))
                continue;
            const QRgb rgb = image.pixel(at);
            square.pixels[static_cast<std::size_t>(row * side + column)] =
                ToColorRef({qRed(rgb), qGreen(rgb), qBlue(rgb)});
        }
    }
    return square;
}

bool IsEscapePress(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
}

} // namespace tessuvo
