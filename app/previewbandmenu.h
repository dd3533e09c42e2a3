#pragma once

#include "core/color/colorpair.h"
#include "core/readability/colorvision.h"

#include <QMenu>
#include <string>

namespace tessuvo {

// How readable the pair is, as the band's tooltip and menu say it: the contrast with its
// verdicts and, under a simulation, the ratio of the pair as seen.
std::string BandReadout(const ColorPair& pair, ColorVision vision);

// The preview band's context menu: the readout, the text colour moved to the nearest one that
// passes AA or AAA, the pair as CSS, the swap, the colour-vision simulation, the pair as CSS
// variables, paste as colour and the history of pairs. What changes the window comes back as
// signals.
class PreviewBandMenu final : public QMenu
{
    Q_OBJECT

public:
    // `swap` and `history` are the window's own, shared with its menu bar.
    PreviewBandMenu(const ColorPair& pair, ColorVision vision, QAction* swap, QMenu* history,
                    QWidget* parent);

signals:
    void textColorChosen(const tessuvo::Color& color);
    // "CSSとしてコピー" has put the pair on the clipboard.
    void cssCopied();
    void copyCssVariablesAsked();
    void pasteAsked();
    void colorVisionChosen(tessuvo::ColorVision vision);

private:
    void AddFitItem(const char* label, double ratio);
    void OnCopyCss();

    ColorPair m_pair;
};

} // namespace tessuvo
