#include "contrastlinelabel.h"

#include "core/readability/contrast.h"
#include "res/dialogtemplate.h"

#include <QLayout>

namespace tessuvo {

namespace {
// One line of the dialog font, as high as the template's one-line statics.
constexpr int LineHeight = res::DialogUnitsToPixelsY(10);
constexpr int Margin = res::DialogUnitsToPixelsX(5);
} // namespace

ContrastLineLabel::ContrastLineLabel(QWidget* client)
    : QLabel(client), m_designHeight(client->height())
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setGeometry(Margin, m_designHeight - 2, client->width() - 2 * Margin, LineHeight);
    hide();
}

void ContrastLineLabel::SetShown(bool shown)
{
    setVisible(shown);
    parentWidget()->setFixedHeight(m_designHeight + (shown ? LineHeight : 0));
    if (QLayout* layout = window()->layout())
        layout->activate();
}

void ContrastLineLabel::ShowPair(const Color& background, const Color& text, ColorVision vision)
{
    const std::string note = SimulatedRatioNote(background, text, vision);
    setText(QString::fromStdString(ContrastLine(background, text) + note));
    setToolTip(QString::fromStdString(PairReadout(background, text, vision)));
}

} // namespace tessuvo
