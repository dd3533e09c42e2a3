#include "pickscreen.h"

#include "portalpick.h"
#include "x11pixel.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <algorithm>
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

private:
    QWidget* m_window;
};

PickScreenFactory& Factory()
{
    static PickScreenFactory factory;
    return factory;
}

constexpr std::uint32_t NoPixel = 0xFFFFFFFFu;

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
                     std::function<void(const Color&)> taken)
{
    if (!PortalForced() && (Factory() || ScreenReadable()))
        eyedropper.Start(target);
    else
        PickColorThroughPortal(window, std::move(taken));
}

std::uint32_t ReadScreenPixel(QPointF global)
{
    const QPoint cell(static_cast<int>(std::floor(global.x())),
                      static_cast<int>(std::floor(global.y())));
    // The grab answers black rather than failing where no screen lies, so that is decided here.
    QScreen* screen = QGuiApplication::screenAt(cell);
    if (!screen)
        return NoPixel;
    // One logical pixel, not the whole screen; the grab wants coordinates on its own screen.
    const QPoint local = cell - screen->geometry().topLeft();
    const QImage image = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    if (image.isNull())
        return NoPixel;
    // At a scale above 1 the logical pixel covers several device pixels: take the one under
    // the point.
    const int dx =
        std::clamp(static_cast<int>((global.x() - cell.x()) * image.width()), 0, image.width() - 1);
    const int dy = std::clamp(static_cast<int>((global.y() - cell.y()) * image.height()), 0,
                              image.height() - 1);
    const QRgb rgb = image.pixel(dx, dy);
    return ToColorRef({qRed(rgb), qGreen(rgb), qBlue(rgb)});
}

bool IsEscapePress(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
}

} // namespace tessuvo
