#include "platform/menubarstyle.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

// The style under the program's own, noting the palettes that arrows reach it with: the base
// style keys its cached arrows by them.
class ArrowPalettes final : public QProxyStyle
{
public:
    ArrowPalettes() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_IndicatorArrowRight)
            keys.insert(option->palette.cacheKey());
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    mutable QSet<qint64> keys;
};

// A highlighted submenu item's arrow comes with a palette changed for that paint, as Fusion
// hands it: each paint must still reach the cache under the key of the one before.
TEST(MenuBarStyleTest, HighlightedArrowsReachTheCacheUnderOneKey)
{
    InstallMenuBarStyle();
    auto* recorder = new ArrowPalettes;
    static_cast<QProxyStyle*>(QApplication::style())->setBaseStyle(recorder);
    QMenu menu;
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QStyleOptionMenuItem option;
    option.initFrom(&menu);
    option.rect = image.rect();
    for (int paint = 0; paint < 3; ++paint) {
        QStyleOptionMenuItem highlighted = option;
        highlighted.palette.setColor(QPalette::WindowText, Qt::white);
        QApplication::style()->drawPrimitive(QStyle::PE_IndicatorArrowRight, &highlighted, &painter,
                                             &menu);
    }
    EXPECT_EQ(recorder->keys.size(), 1);
}

} // namespace
