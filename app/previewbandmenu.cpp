#include "previewbandmenu.h"

#include "colorvisionband.h"
#include "core/readability/colorvision.h"
#include "core/readability/contrast.h"
#include "platform/colorpaste.h"
#include "tags/csstext.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessuvo {

PreviewBandMenu::PreviewBandMenu(const ColorPair& pair, ColorVision vision, QAction* swap,
                                 QMenu* history, QWidget* parent)
    : QMenu(parent), m_pair(pair)
{
    addAction(QString::fromStdString(PairReadout(pair.background, pair.text, vision)))
        ->setEnabled(false);
    AddFitItem("文字色をAA(4.5:1)に合わせる", ColorTarget::Text, RatioAA);
    AddFitItem("文字色をAAA(7:1)に合わせる", ColorTarget::Text, RatioAAA);
    AddFitItem("背景色をAA(4.5:1)に合わせる", ColorTarget::Background, RatioAA);
    AddFitItem("背景色をAAA(7:1)に合わせる", ColorTarget::Background, RatioAAA);
    AddFitItem("文字色を大きな文字のAA(3:1)に合わせる", ColorTarget::Text, RatioLargeAA);
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

// Greyed when the pair passes already, and when no lightness of the moving colour reaches the
// ratio, which its text then says.
void PreviewBandMenu::AddFitItem(const char* label, ColorTarget moving, double ratio)
{
    const bool background = moving == ColorTarget::Background;
    const Color& color = background ? m_pair.background : m_pair.text;
    const auto fitted =
        NearestPassingColor(color, background ? m_pair.text : m_pair.background, ratio);
    QString text = QString::fromUtf8(label);
    if (!fitted)
        text += QString::fromUtf8("（届きません）");
    QAction* action = addAction(text);
    action->setEnabled(fitted && *fitted != color);
    if (!action->isEnabled())
        return;
    ColorPair pair = m_pair;
    (background ? pair.background : pair.text) = *fitted;
    connect(action, &QAction::triggered, this, [this, pair] { emit pairChosen(pair); });
}

void PreviewBandMenu::OnCopyCss()
{
    const std::string css = CssPairDeclarations(m_pair.background, m_pair.text);
    QGuiApplication::clipboard()->setText(QString::fromStdString(css));
    emit cssCopied();
}

} // namespace tessuvo
