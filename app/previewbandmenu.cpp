#include "previewbandmenu.h"

#include "colorvisionband.h"
#include "core/readability/contrast.h"
#include "pasteascolor.h"
#include "tags/csstext.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessuvo {

std::string BandReadout(const ColorPair& pair, ColorVision vision)
{
    return ContrastSummary(pair.background, pair.text) +
           SimulatedRatioNote(pair.background, pair.text, vision);
}

PreviewBandMenu::PreviewBandMenu(const ColorPair& pair, ColorVision vision, QAction* swap,
                                 QMenu* history, QWidget* parent)
    : QMenu(parent), m_pair(pair)
{
    addAction(QString::fromStdString(BandReadout(pair, vision)))->setEnabled(false);
    AddFitItem("文字色をAA(4.5:1)に合わせる", RatioAA);
    AddFitItem("文字色をAAA(7:1)に合わせる", RatioAAA);
    connect(addAction(QString::fromUtf8("CSSとしてコピー")), &QAction::triggered, this,
            &PreviewBandMenu::OnCopyCss);
    addSeparator();
    addAction(swap);
    AddColorVisionMenu(*this, vision,
                       [this](ColorVision chosen) { emit colorVisionChosen(chosen); });
    connect(addAction(QString::fromUtf8("CSS変数としてコピー(&P)")), &QAction::triggered, this,
            &PreviewBandMenu::copyCssVariablesAsked);
    AddPasteAsColor(*this, [this] { emit pasteAsked(); });
    addMenu(history);
}

// Greyed when the pair passes already or no lightness of the text colour reaches the ratio.
void PreviewBandMenu::AddFitItem(const char* label, double ratio)
{
    const auto fitted = NearestPassingColor(m_pair.text, m_pair.background, ratio);
    QAction* action = addAction(QString::fromUtf8(label));
    action->setEnabled(fitted && *fitted != m_pair.text);
    if (action->isEnabled())
        connect(action, &QAction::triggered, this,
                [this, color = *fitted] { emit textColorChosen(color); });
}

void PreviewBandMenu::OnCopyCss()
{
    const std::string css = CssPairDeclarations(m_pair.background, m_pair.text);
    QGuiApplication::clipboard()->setText(QString::fromStdString(css));
    emit cssCopied();
}

} // namespace tessuvo
