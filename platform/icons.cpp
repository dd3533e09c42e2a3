#include "icons.h"

#include "res/icons.h"

#include <QPixmap>
#include <QPushButton>

namespace tessuvo {

QImage IconResourceImage(int id)
{
    const res::IconImage* icon = res::FindIcon(id);
    if (!icon)
        return {};
    QImage image(icon->size, icon->size, QImage::Format_ARGB32);
    for (int y = 0; y < icon->size; ++y) {
        const char* row = icon->rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < icon->size; ++x)
            image.setPixel(x, y, res::IconPixelColor(row[x]));
    }
    return image;
}

QIcon LoadIcon(int id)
{
    const QImage image = IconResourceImage(id);
    if (image.isNull())
        return {};
    QIcon icon(QPixmap::fromImage(image));
    if (image.width() > 16)
        icon.addPixmap(QPixmap::fromImage(
            image.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return icon;
}

void SetButtonIcon(QPushButton* button, int id)
{
    button->setIcon(LoadIcon(id));
    button->setIconSize(QSize(16, 16));
    button->setText(QString());
}

} // namespace tessuvo
