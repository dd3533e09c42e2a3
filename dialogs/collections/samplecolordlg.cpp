#include "samplecolordlg.h"

#include "platform/colorbutton.h"
#include "platform/qtcolor.h"
#include "res/resource.h"

namespace tessuvo {

static_assert(std::size(res::IDC_SAMPLES) == SampleCount);

CSampleColorDlg::CSampleColorDlg(QWidget* parent) : TemplateDialog(res::IDD_SAMPLECOLOR, parent)
{
    DoDataExchange();
    for (std::size_t i = 0; i < SampleCount; ++i) {
        const Color c = SamplePalette[i];
        connect(m_btnSample[i], &ColorButton::clicked, this, [this, c] { m_selected = c; });
        connect(m_btnSample[i], &ColorButton::doubleClicked, this,
                [this, c] { ChooseAndClose(c); });
    }
}

void CSampleColorDlg::DoDataExchange()
{
    for (std::size_t i = 0; i < SampleCount; ++i)
        m_btnSample[i] = Control<ColorButton>(res::IDC_SAMPLES[i]);
}

QColor CSampleColorDlg::ColorButtonFace(int id) const
{
    for (std::size_t i = 0; i < SampleCount; ++i) {
        if (res::IDC_SAMPLES[i] == id)
            return ToQColor(SamplePalette[i]);
    }
    return {};
}

void CSampleColorDlg::ChooseAndClose(const Color& color)
{
    m_selected = color;
    EndDialog(res::IDOK);
}

} // namespace tessuvo
