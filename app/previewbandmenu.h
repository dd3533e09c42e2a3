#pragma once

#include "core/color/colorpair.h"
#include "core/readability/colorvision.h"

#include <QMenu>

namespace tessuvo {

// The preview band's context menu: the readout, one colour moved to the nearest one that
// passes a contrast target (the text colour to AA, AAA or AA for large text, the background to
// AA or AAA), the pair as CSS, the swap, the colour-vision simulation, the pair as CSS
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
    // A fit: the pair with one of its colours moved.
    void pairChosen(const tessuvo::ColorPair& pair);
    // "CSSとしてコピー" has put the pair on the clipboard.
    void cssCopied();
    void copyCssVariablesAsked();
    void pasteAsked();
    void colorVisionChosen(tessuvo::ColorVision vision);

private:
    void AddFitItem(const char* label, ColorTarget moving, double ratio);
    void OnCopyCss();

    ColorPair m_pair;
};

} // namespace tessuvo
