// Build-time tool: writes the application icon, resource 128, into an icon theme folder as the
// PNGs of the hicolor sizes and as an SVG of its pixels. Usage: appicons THEMEDIR NAME
#include "platform/icons.h"
#include "res/resource.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int HicolorSizes[] = {16, 32, 48, 128};

// Half size for the smallest icon: each pixel is one of the four it stands for, but the
// outline, the icon's darkest colour, wherever it falls among them; leaving out every other row
// and column would drop one-pixel outlines.
QImage Halved(const QImage& icon)
{
    QRgb outline = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (const QRgb pixel = icon.pixel(x, y);
                qAlpha(pixel) != 0 && (qAlpha(outline) == 0 || qGray(pixel) < qGray(outline)))
                outline = pixel;
    QImage half(icon.width() / 2, icon.height() / 2, QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            QRgb chosen = icon.pixel(2 * x + 1, 2 * y + 1);
            for (const QRgb pixel : {icon.pixel(2 * x, 2 * y), icon.pixel(2 * x + 1, 2 * y),
                                     icon.pixel(2 * x, 2 * y + 1)})
                if (pixel == outline)
                    chosen = outline;
            half.setPixel(x, y, chosen);
        }
    }
    return half;
}

bool SavePng(const QImage& icon, const QString& themeDir, const QString& name, int size)
{
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
    // Nearest neighbour keeps the pixel art's edges hard at every size.
    const QImage image = size * 2 == icon.width() ? Halved(icon)
                                                  : icon.scaled(size, size, Qt::IgnoreAspectRatio,
                                                                Qt::FastTransformation);
    return QDir().mkpath(dir) && image.save(dir + '/' + name + ".png", "PNG");
}

// One rectangle for each run of equal pixels in a row, so that the picture stays sharp when a
// desktop draws it at any size.
bool SaveSvg(const QImage& icon, const QString& themeDir, const QString& name)
{
    const QString dir = themeDir + "/scalable/apps";
    QFile file(dir + '/' + name + ".svg");
    if (!QDir().mkpath(dir) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
               .arg(icon.width())
               .arg(icon.height());
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width();) {
            const QRgb pixel = icon.pixel(x, y);
            int end = x + 1;
            while (end < icon.width() && icon.pixel(end, y) == pixel)
                ++end;
            if (qAlpha(pixel) != 0)
                out << QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" "
                                      "fill=\"%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(QColor(pixel).name());
            x = end;
        }
    }
    out << "</svg>\n";
    out.flush();
    return file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: appicons THEMEDIR NAME\n");
        return 2;
    }
    const QString themeDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage icon = tessuvo::IconResourceImage(tessuvo::res::IDR_MAINFRAME);
    bool written = !icon.isNull() && SaveSvg(icon, themeDir, name);
    for (const int size : HicolorSizes)
        written = written && SavePng(icon, themeDir, name, size);
    if (!written) {
        std::fprintf(stderr, "appicons: cannot write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
