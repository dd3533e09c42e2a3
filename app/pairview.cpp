#include "pairview.h"

#include "colorvisionband.h"
#include "contrastlinelabel.h"
#include "core/colortext/namedcolors.h"
#include "pairhistorymenu.h"
#include "pairwindow.h"
#include "pasteascolor.h"
#include "platform/menubar.h"
#include "previewbandmenu.h"
#include "res/resource.h"
#include "settings/windowoptions.h"
#include "tags/csstext.h"

namespace tessuvo {

using namespace res;

PairView::PairView(PairWindow& window, MenuBar& menu, QWidget* client, WindowOptions& options,
                   PairHistoryMenu& history, PasteAsColor& paste)
    : QObject(client), m_window(window), m_menu(menu), m_options(options), m_history(history),
      m_paste(paste), m_contrastLine(new ContrastLineLabel(client))
{
    connect(menu.Command(ID_CONTRAST_LINE), &QAction::triggered, this, &PairView::OnContrastLine);
    connect(menu.Command(ID_SWAP_COLORS), &QAction::triggered, this, &PairView::OnSwapColors);
}

bool PairView::LineShown() const
{
    return m_options.Get(keys::ContrastLine) == 1;
}

void PairView::ShowOptions()
{
    m_menu.CheckMenuItem(ID_CONTRAST_LINE, LineShown() ? MF_CHECKED : MF_UNCHECKED);
    m_contrastLine->SetShown(LineShown());
}

void PairView::ShowPair(const ColorPair& pair)
{
    if (LineShown())
        m_contrastLine->ShowPair(pair.background, pair.text, m_vision);
}

void PairView::PaintBand(QPainter& painter, int mode, const ColorPair& pair,
                         const QString& previewText) const
{
    PaintSimulatedBand(painter, mode, pair.background, pair.text, previewText, m_vision);
}

std::string PairView::Readout(const ColorPair& pair) const
{
    return PairReadout(pair.background, pair.text, m_vision) + "\n" +
           PairNamesNote(pair.background, pair.text);
}

std::unique_ptr<QMenu> PairView::BandMenu(QWidget* parent)
{
    auto menu = std::make_unique<PreviewBandMenu>(
        m_window.Pair(), m_vision, m_menu.Command(ID_SWAP_COLORS), &m_history, parent);
    connect(menu.get(), &PreviewBandMenu::pairChosen, this,
            [this](const ColorPair& pair) { m_window.SetPair(pair); });
    connect(menu.get(), &PreviewBandMenu::cssCopied, this,
            [this] { m_history.Record(m_window.Pair()); });
    connect(menu.get(), &PreviewBandMenu::copyCssVariablesAsked, this,
            &PairView::OnCopyCssVariables);
    connect(menu.get(), &PreviewBandMenu::pasteAsked, this,
            [this] { m_paste.Paste(std::nullopt); });
    connect(menu.get(), &PreviewBandMenu::colorVisionChosen, this, &PairView::SetColorVision);
    return menu;
}

void PairView::OnContrastLine()
{
    const bool shown = !LineShown();
    m_options.Set(keys::ContrastLine, shown ? 1 : 0);
    ShowOptions();
    m_window.RefreshColors();
}

void PairView::OnSwapColors()
{
    const ColorPair pair = m_window.Pair();
    m_window.SetPair({pair.text, pair.background});
}

void PairView::SetColorVision(ColorVision vision)
{
    m_vision = vision;
    m_window.RefreshColors();
}

void PairView::OnCopyCssVariables()
{
    const ColorPair pair = m_window.Pair();
    m_window.CopyThroughBox(ColorTarget::Background, CssVariables(pair.background, pair.text));
}

} // namespace tessuvo
