#include "x11pixel.h"

#include "core/color.h"

#include <QGuiApplication>
#include <QScreen>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace tessuvo {

namespace {

template <class Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply> ReplyPtr<Reply> Own(Reply* reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

// Qt keeps each screen's origin in device pixels and scales only what lies beyond it.
std::optional<QPointF> ToLogical(QPoint device)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal scale = screen->devicePixelRatio();
        const QRect native(logical.topLeft(), logical.size() * scale);
        if (native.contains(device))
            return QPointF(logical.topLeft()) + QPointF(device - logical.topLeft()) / scale;
    }
    return std::nullopt;
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

int BitsPerPixel(const xcb_setup_t* setup, std::uint8_t depth)
{
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats)) {
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel;
    }
    return 0;
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

std::optional<std::uint32_t> ReadRootPixel(xcb_connection_t* connection, const xcb_screen_t* screen,
                                           QPoint device)
{
    const xcb_visualtype_t* visual = RootVisual(screen);
    if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR)
        return std::nullopt;
    const auto image =
        Own(xcb_get_image_reply(connection,
                                xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                                              static_cast<std::int16_t>(device.x()),
                                              static_cast<std::int16_t>(device.y()), 1, 1, ~0u),
                                nullptr));
    if (!image)
        return std::nullopt;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int bytes = BitsPerPixel(setup, image->depth) / 8;
    if ((bytes != 3 && bytes != 4) || xcb_get_image_data_length(image.get()) < bytes)
        return std::nullopt;
    const std::uint8_t* data = xcb_get_image_data(image.get());
    std::uint32_t pixel = 0;
    for (int i = 0; i < bytes; ++i) {
        const int shift =
            8 * (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST ? i : bytes - 1 - i);
        pixel |= static_cast<std::uint32_t>(data[i]) << shift;
    }
    return ToColorRef({Channel(pixel, visual->red_mask), Channel(pixel, visual->green_mask),
                       Channel(pixel, visual->blue_mask)});
}

} // namespace

std::optional<std::uint32_t> ReadPixelUnderPointer(QPointF global)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const auto pointer = Own(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr));
    if (!pointer || !pointer->same_screen)
        return std::nullopt;
    const QPoint device(pointer->root_x, pointer->root_y);
    const std::optional<QPointF> logical = ToLogical(device);
    if (!logical || std::abs(logical->x() - global.x()) >= 1 ||
        std::abs(logical->y() - global.y()) >= 1)
        return std::nullopt;
    return ReadRootPixel(connection, screen, device);
}

} // namespace tessuvo
