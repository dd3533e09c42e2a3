#pragma once

#include "core/palette/palette.h"
#include "core/palette/palettesearch.h"

#include <QListView>
#include <optional>
#include <vector>

namespace tessuvo {

class SwatchModel;

// A palette's colours as a grid of swatches, each with its name and value, that a filter
// narrows. The swatches all have one size and are painted as they come into view, so that a
// palette of thousands opens and filters at once.
class SwatchView final : public QListView
{
    Q_OBJECT

public:
    explicit SwatchView(QWidget* parent = nullptr);

    // Shows `palette` whole; the filter starts again.
    void ShowPalette(Palette palette);
    const Palette& Shown() const { return m_palette; }
    // Shows only the colours whose name or value holds `query`, in any letter case.
    void Filter(const QString& query);
    int ShownCount() const;

    // The colour of the swatch `row` of those shown, or of the current swatch.
    std::optional<PaletteColor> ColorAt(int row) const;
    std::optional<PaletteColor> CurrentColor() const;

private:
    Palette m_palette;
    PaletteSearch m_search{m_palette};
    SwatchModel* m_model;
};

} // namespace tessuvo
