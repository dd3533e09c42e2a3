#include "icons.h"

#include "res/icons.h"
#include "res/tooltips.h"
#include "templatedialog.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace tessuvo {

namespace {

QImage ArtImage(const res::IconImage& icon)
{
    QImage image(icon.size, icon.size, QImage::Format_ARGB32);
    for (int y = 0; y < icon.size; ++y) {
        const char* row = icon.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < icon.size; ++x)
            image.setPixel(x, y, res::IconPixelColor(row[x]));
    }
    return image;
}

// Pixel art enlarged by blocks keeps its edges; made smaller (the 32-pixel window icon in a
// 16-pixel title bar) it is averaged, as dropping every other pixel would break its lines.
QImage Resized(const QImage& art, QSize size)
{
    if (size == art.size())
        return art;
    const bool larger = size.width() > art.width() || size.height() > art.height();
    return art.scaled(size, Qt::IgnoreAspectRatio,
                      larger ? Qt::FastTransformation : Qt::SmoothTransformation);
}

// Draws the art for the size in device pixels that is asked for at the moment it is shown, so
// that a window on a screen at 1.5 or 2 gets its own pixels instead of a scaled 16-pixel image.
class PixelArtIconEngine final : public QIconEngine
{
public:
    explicit PixelArtIconEngine(QImage art) : m_art(std::move(art)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatioF();
        QPixmap pixmap = this->pixmap(rect.size() * scale, mode, state);
        pixmap.setDevicePixelRatio(scale);
        painter->drawPixmap(rect, pixmap);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pixmap = QPixmap::fromImage(Resized(m_art, size));
        if (mode == QIcon::Normal)
            return pixmap;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    // The window icon is offered to the window manager in these sizes.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        if (m_art.width() <= 16)
            return {m_art.size()};
        return {QSize(16, 16), m_art.size()};
    }
    QIconEngine* clone() const override { return new PixelArtIconEngine(m_art); }
    QString key() const override { return QStringLiteral("tessuvo-pixel-art"); }

private:
    QImage m_art;
};

} // namespace

QImage IconResourceImage(int id, qreal scale)
{
    const res::IconImage* icon = res::FindIcon(id);
    if (!icon)
        return {};
    const int side = static_cast<int>(std::lround(icon->size * scale));
    QImage image = Resized(ArtImage(*icon), QSize(side, side));
    image.setDevicePixelRatio(scale);
    return image;
}

QIcon LoadIcon(int id)
{
    const res::IconImage* icon = res::FindIcon(id);
    if (!icon)
        return {};
    return QIcon(new PixelArtIconEngine(ArtImage(*icon)));
}

void SetButtonIcon(QPushButton* button, int id, int dialogId)
{
    button->setIcon(LoadIcon(id));
    button->setIconSize(QSize(16, 16));
    button->setText(QString());
    button->setAccessibleName(
        QString::fromUtf8(res::ButtonToolTip(dialogId, TemplateDialog::ControlId(button))));
}

} // namespace tessuvo
