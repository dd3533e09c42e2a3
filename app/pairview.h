#pragma once

#include "core/color/colorpair.h"
#include "core/readability/colorvision.h"

#include <QObject>
#include <memory>
#include <string>

class QMenu;
class QPainter;
class QWidget;

namespace tessuvo {

class ContrastLineLabel;
class MenuBar;
class PairHistoryMenu;
class PairWindow;
class PasteAsColor;
class WindowOptions;

// The main window's additions that show the pair: the contrast line under the controls, the
// swap of the two colours, the colour-vision simulation of the preview band and the band's
// context menu. The simulation is a view for this run only, never saved and never in what is
// copied.
class PairView final : public QObject
{
    Q_OBJECT

public:
    PairView(PairWindow& window, MenuBar& menu, QWidget* client, WindowOptions& options,
             PairHistoryMenu& history, PasteAsColor& paste);

    // Shows or hides the contrast line as the options hold it. Before the window is placed:
    // the line makes it taller.
    void ShowOptions();
    // Follows a change of either colour.
    void ShowPair(const ColorPair& pair);
    // Paints the band in `mode` as the simulation sees the pair.
    void PaintBand(QPainter& painter, int mode, const ColorPair& pair,
                   const QString& previewText) const;
    // The band's tooltip: the pair's readout and the nearest named colours.
    std::string Readout(const ColorPair& pair) const;
    // The band's context menu for the pair as it is now.
    std::unique_ptr<QMenu> BandMenu(QWidget* parent);

private:
    void OnContrastLine();
    void OnSwapColors();
    void SetColorVision(ColorVision vision);
    void OnCopyCssVariables();
    bool LineShown() const;

    PairWindow& m_window;
    MenuBar& m_menu;
    WindowOptions& m_options;
    PairHistoryMenu& m_history;
    PasteAsColor& m_paste;
    ContrastLineLabel* m_contrastLine;
    ColorVision m_vision = ColorVision::Normal;
};

} // namespace tessuvo
