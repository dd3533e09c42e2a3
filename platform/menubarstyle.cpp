#include "menubarstyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <deque>
#include <functional>
#include <optional>

namespace tessuvo {

namespace {

// An icon that is made the first time it is drawn or measured.
class DeferredIconEngine final : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("tessuvo-deferred"); }

private:
    const QIcon& Icon()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

// Qt's menu bar asks for the icon of its overflow button as it is built. The style reads that
// icon's pictures through QImageReader, which loads every image plugin (and libjpeg) to probe
// them, even for a PNG; the button shows only in a window too narrow for its menus, so its
// icon is made when it is first drawn.
//
// Fusion draws the arrow of a highlighted submenu item with a palette it has just changed, and
// keys its pixmap cache with the palette's serial number, new at every change: each paint adds
// an entry that is never found again, and the cache keeps the keys of the entries it drops, a
// kilobyte or so each time a menu opens. Arrows are drawn with one copy of each palette
// instead, so that they are found again.
class MenuBarStyle final : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (!item || element < PE_IndicatorArrowDown || element > PE_IndicatorArrowUp) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QStyleOptionMenuItem shared = *item;
        shared.palette = SharedPalette(item->palette);
        QProxyStyle::drawPrimitive(element, &shared, painter, widget);
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        const QPointer<QStyle> base = baseStyle();
        QStyleOption direction;
        direction.direction = option ? option->direction : QGuiApplication::layoutDirection();
        return QIcon(new DeferredIconEngine([base, direction] {
            return base ? base->standardIcon(SP_ToolBarHorizontalExtensionButton, &direction)
                        : QIcon();
        }));
    }

private:
    // The first palette seen of the same colours and colour group; a few are kept, the oldest
    // dropped first.
    const QPalette& SharedPalette(const QPalette& palette) const
    {
        for (const QPalette& known : m_palettes) {
            if (known.currentColorGroup() == palette.currentColorGroup() && known == palette)
                return known;
        }
        if (m_palettes.size() == KeptPalettes)
            m_palettes.pop_front();
        return m_palettes.emplace_back(palette);
    }

    static constexpr std::size_t KeptPalettes = 8;
    mutable std::deque<QPalette> m_palettes;
};

} // namespace

void InstallMenuBarStyle()
{
    // A global menu bar would take the menus out of the dialog; asking the session bus for one
    // would also connect to it at start.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new MenuBarStyle);
}

} // namespace tessuvo
