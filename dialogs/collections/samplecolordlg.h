#pragma once

#include "platform/templatedialog.h"

#include <array>

namespace tessuvo {

class ColorButton;

// The sample palette: 18 fixed colours; a click chooses one, a double-click chooses and closes.
class CSampleColorDlg final : public TemplateDialog
{
    Q_OBJECT

public:
    explicit CSampleColorDlg(QWidget* parent = nullptr);

    // The chosen colour after IDOK; m_selRed is -1 when nothing was chosen.
    int m_selRed = -1;
    int m_selGreen = 0;
    int m_selBlue = 0;

protected:
    QColor ColorButtonFace(int id) const override;

private:
    void DoDataExchange();
    void SetChosen(int red, int green, int blue);
    void ChooseAndClose(int red, int green, int blue);

    std::array<ColorButton*, 18> m_btnSample{};
    std::array<QColor, 18> m_brSample;
};

} // namespace tessuvo
