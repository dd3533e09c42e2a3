#include "samplecolordlg.h"

#include "platform/colorbutton.h"
#include "res/resource.h"
#include "collections/samplepalette.h"

namespace tessuvo {

CSampleColorDlg::CSampleColorDlg(QWidget* parent) : TemplateDialog(res::IDD_SAMPLECOLOR, parent)
{
    DoDataExchange();
    for (std::size_t i = 0; i < m_btnSample.size(); ++i) {
        const Color c = SamplePalette[i].color;
        m_brSample[i] = QColor(c.red, c.green, c.blue);
        connect(m_btnSample[i], &ColorButton::clicked, this,
                [this, c] { SetChosen(c.red, c.green, c.blue); });
        connect(m_btnSample[i], &ColorButton::doubleClicked, this,
                [this, c] { ChooseAndClose(c.red, c.green, c.blue); });
    }
}

void CSampleColorDlg::DoDataExchange()
{
    for (std::size_t i = 0; i < m_btnSample.size(); ++i)
        m_btnSample[i] = Control<ColorButton>(SamplePalette[i].id);
}

QColor CSampleColorDlg::ColorButtonFace(int id) const
{
    for (std::size_t i = 0; i < m_btnSample.size(); ++i) {
        if (SamplePalette[i].id == id)
            return m_brSample[i];
    }
    return {};
}

void CSampleColorDlg::SetChosen(int red, int green, int blue)
{
    m_selRed = red;
    m_selGreen = green;
    m_selBlue = blue;
}

void CSampleColorDlg::ChooseAndClose(int red, int green, int blue)
{
    SetChosen(red, green, blue);
    EndDialog(res::IDOK);
}

} // namespace tessuvo
