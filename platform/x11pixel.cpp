#include "x11pixel.h"

#include "core/color/color.h"

#include <QGuiApplication>
#include <QScreen>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace tessuvo {

namespace {

template <class Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply> ReplyPtr<Reply> Own(Reply* reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

// Qt keeps each screen's origin in device pixels and scales only what lies beyond it.
QRect NativeGeometry(const QScreen* screen)
{
    const QRect logical = screen->geometry();
    return {logical.topLeft(), logical.size() * screen->devicePixelRatio()};
}

// The logical point `within` (0 to 1 each way) from the corner of a device pixel.
std::optional<QPointF> ToLogical(QPoint device, QPointF within = {})
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect native = NativeGeometry(screen);
        if (native.contains(device))
            return QPointF(native.topLeft()) +
                   (QPointF(device - native.topLeft()) + within) / screen->devicePixelRatio();
    }
    return std::nullopt;
}

bool OnSomeMonitor(QPoint device)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (NativeGeometry(screen).contains(device))
            return true;
    }
    return false;
}

const xcb_visualtype_t* RootVisual(const xcb_screen_t* screen)
{
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == screen->root_visual)
                return visuals.data;
        }
    }
    return nullptr;
}

const xcb_format_t* PixmapFormat(const xcb_setup_t* setup, std::uint8_t depth)
{
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats)) {
        if (formats.data->depth == depth)
            return formats.data;
    }
    return nullptr;
}

// One channel of a true-colour pixel, widened or narrowed to eight bits.
int Channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const auto value = (pixel & mask) >> std::countr_zero(mask);
    const auto maximum = mask >> std::countr_zero(mask);
    return static_cast<int>(std::lround(value * 255.0 / maximum));
}

struct X11Screen
{
    xcb_connection_t* connection;
    const xcb_screen_t* screen;
};

std::optional<X11Screen> OpenX11()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    return X11Screen{connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data};
}

// The device pixel under the pointer, where it lies within a logical pixel of `global`.
std::optional<QPoint> PointerNear(const X11Screen& x, QPointF global)
{
    const auto pointer = Own(xcb_query_pointer_reply(
        x.connection, xcb_query_pointer(x.connection, x.screen->root), nullptr));
    if (!pointer || !pointer->same_screen)
        return std::nullopt;
    const QPoint device(pointer->root_x, pointer->root_y);
    const std::optional<QPointF> logical = ToLogical(device);
    if (!logical || std::abs(logical->x() - global.x()) >= 1 ||
        std::abs(logical->y() - global.y()) >= 1)
        return std::nullopt;
    return device;
}

// The pixels of a rectangle of the root window, row by row, as packed colour values.
std::optional<std::vector<std::uint32_t>> ReadRoot(const X11Screen& x, QRect rect)
{
    const xcb_visualtype_t* visual = RootVisual(x.screen);
    if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR)
        return std::nullopt;
    const auto image = Own(xcb_get_image_reply(
        x.connection,
        xcb_get_image(x.connection, XCB_IMAGE_FORMAT_Z_PIXMAP, x.screen->root,
                      static_cast<std::int16_t>(rect.x()), static_cast<std::int16_t>(rect.y()),
                      static_cast<std::uint16_t>(rect.width()),
                      static_cast<std::uint16_t>(rect.height()), ~0u),
        nullptr));
    if (!image)
        return std::nullopt;
    const xcb_setup_t* setup = xcb_get_setup(x.connection);
    const xcb_format_t* format = PixmapFormat(setup, image->depth);
    if (!format)
        return std::nullopt;
    const int bytes = format->bits_per_pixel / 8;
    const int pad = format->scanline_pad;
    const int stride = (rect.width() * format->bits_per_pixel + pad - 1) / pad * pad / 8;
    if ((bytes != 3 && bytes != 4) || xcb_get_image_data_length(image.get()) <
                                          stride * (rect.height() - 1) + bytes * rect.width())
        return std::nullopt;
    const std::uint8_t* data = xcb_get_image_data(image.get());
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(rect.width() * rect.height()));
    for (int row = 0; row < rect.height(); ++row) {
        for (int column = 0; column < rect.width(); ++column) {
            const std::uint8_t* p = data + row * stride + column * bytes;
            std::uint32_t pixel = 0;
            for (int i = 0; i < bytes; ++i) {
                const int shift =
                    8 * (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST ? i : bytes - 1 - i);
                pixel |= static_cast<std::uint32_t>(p[i]) << shift;
            }
            pixels.push_back(
                ToColorRef({Channel(pixel, visual->red_mask), Channel(pixel, visual->green_mask),
                            Channel(pixel, visual->blue_mask)}));
        }
    }
    return pixels;
}

} // namespace

std::optional<std::uint32_t> ReadPixelUnderPointer(QPointF global)
{
    if (const auto square = ReadSquareUnderPointer(global, 0))
        return square->At(0, 0);
    return std::nullopt;
}

std::optional<PixelSquare> ReadSquareUnderPointer(QPointF global, int radius)
{
    const auto x = OpenX11();
    if (!x)
        return std::nullopt;
    const auto centre = PointerNear(*x, global);
    if (!centre)
        return std::nullopt;
    PixelSquare square{radius, {}};
    const QRect wanted(*centre - QPoint(radius, radius), QSize(square.Side(), square.Side()));
    // The X server refuses a read that reaches beyond the root window.
    const QRect read =
        wanted.intersected(QRect(0, 0, x->screen->width_in_pixels, x->screen->height_in_pixels));
    const auto pixels = ReadRoot(*x, read);
    if (!pixels)
        return std::nullopt;
    square.pixels.assign(static_cast<std::size_t>(square.Side() * square.Side()), NoPixel);
    for (int row = 0; row < read.height(); ++row) {
        for (int column = 0; column < read.width(); ++column) {
            const QPoint device = read.topLeft() + QPoint(column, row);
            // The root window may be larger than the monitors that show it.
            if (!OnSomeMonitor(device))
                continue;
            const QPoint cell = device - wanted.topLeft();
            square.pixels[static_cast<std::size_t>(cell.y() * square.Side() + cell.x())] =
                (*pixels)[static_cast<std::size_t>(row * read.width() + column)];
        }
    }
    return square;
}

std::optional<QPointF> PointerOnX11()
{
    const auto x = OpenX11();
    if (!x)
        return std::nullopt;
    const auto pointer = Own(xcb_query_pointer_reply(
        x->connection, xcb_query_pointer(x->connection, x->screen->root), nullptr));
    if (!pointer || !pointer->same_screen)
        return std::nullopt;
    return ToLogical(QPoint(pointer->root_x, pointer->root_y), QPointF(0.5, 0.5));
}

bool WarpPointer(int dx, int dy)
{
    const auto x = OpenX11();
    if (!x)
        return false;
    xcb_warp_pointer(x->connection, XCB_NONE, XCB_NONE, 0, 0, 0, 0, static_cast<std::int16_t>(dx),
                     static_cast<std::int16_t>(dy));
    xcb_flush(x->connection);
    return true;
}

} // namespace tessuvo
