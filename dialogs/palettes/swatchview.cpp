#include "swatchview.h"

#include "core/color/hex.h"
#include "platform/qtcolor.h"

#include <QAbstractListModel>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tessuvo {

// The colours of the palette that the filter lets through, by their place in the palette.
class SwatchModel final : public QAbstractListModel
{
public:
    SwatchModel(const Palette& palette, QObject* parent)
        : QAbstractListModel(parent), m_palette(palette)
    {}

    void Show(std::vector<int> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }

    const PaletteColor* At(int row) const
    {
        return row >= 0 && row < static_cast<int>(m_rows.size())
                   ? &m_palette.colors[static_cast<std::size_t>(m_rows[row])]
                   : nullptr;
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const PaletteColor* entry = At(index.row());
        if (!entry)
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(entry->name);
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return QString::fromStdString(entry->name + ' ' + CssColor(entry->color));
        default:
            return {};
        }
    }

private:
    const Palette& m_palette;
    std::vector<int> m_rows;
};

namespace {

constexpr int Margin = 2;
constexpr int Padding = 3;
constexpr int TextWidth = 104;

// A swatch: the colour in a thin frame, its name, and under it its value.
class SwatchDelegate final : public QStyledItemDelegate
{
public:
    SwatchDelegate(const SwatchModel& model, QObject* parent)
        : QStyledItemDelegate(parent), m_model(model)
    {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const int line = option.fontMetrics.height();
        const int height = 2 * line + 2 * (Margin + Padding);
        return {height + TextWidth + 2 * Margin + Padding, height};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const PaletteColor* entry = m_model.At(index.row());
        if (!entry)
            return;
        const QRect cell = option.rect.adjusted(Margin, Margin, -Margin, -Margin);
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        if (selected)
            painter->fillRect(cell, option.palette.highlight());
        const int side = cell.height() - 2 * Padding;
        const QRect swatch(cell.left() + Padding, cell.top() + Padding, side, side);
        painter->fillRect(swatch, ToQColor(entry->color));
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawRect(swatch.adjusted(0, 0, -1, -1));

        const QRect text = cell.adjusted(side + 2 * Padding, Padding, -Padding, -Padding);
        const QFontMetrics& metrics = option.fontMetrics;
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(
            text.topLeft() + QPoint(0, metrics.ascent()),
            metrics.elidedText(QString::fromStdString(entry->name), Qt::ElideRight, text.width()));
        painter->drawText(text.topLeft() + QPoint(0, metrics.height() + metrics.ascent()),
                          QString::fromStdString(CssColor(entry->color)));
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = cell;
            option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                                  option.widget);
        }
        painter->restore();
    }

private:
    const SwatchModel& m_model;
};

} // namespace

SwatchView::SwatchView(QWidget* parent)
    : QListView(parent), m_model(new SwatchModel(m_palette, this))
{
    setModel(m_model);
    setItemDelegate(new SwatchDelegate(*m_model, this));
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    // One size for all: the layout need not ask each swatch.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void SwatchView::ShowPalette(Palette palette)
{
    m_model->Show({}); // no row left pointing into the palette replaced
    m_palette = std::move(palette);
    m_search = PaletteSearch(m_palette);
    m_model->Show(m_search.Matching({}));
}

void SwatchView::Filter(const QString& query)
{
    m_model->Show(m_search.Matching(query.toStdString()));
    if (ShownCount() > 0)
        setCurrentIndex(m_model->index(0));
}

int SwatchView::ShownCount() const
{
    return m_model->rowCount({});
}

std::optional<PaletteColor> SwatchView::ColorAt(int row) const
{
    if (const PaletteColor* entry = m_model->At(row))
        return *entry;
    return std::nullopt;
}

std::optional<PaletteColor> SwatchView::CurrentColor() const
{
    return currentIndex().isValid() ? ColorAt(currentIndex().row()) : std::nullopt;
}

} // namespace tessuvo
