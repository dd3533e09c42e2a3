#pragma once

#include "platform/templatedialog.h"

#include <array>
#include <string>

namespace tessuvo {

class ColorButton;

// The registered colours of one colour target: 18 slots kept in the settings file. Registering
// and deleting are written at once, however the dialog ends.
class CRegColorDlg final : public TemplateDialog
{
    Q_OBJECT

public:
    explicit CRegColorDlg(QWidget* parent = nullptr);

    // Set by the caller: the colour offered for registration and the set it goes into.
    int m_regRed = 0;
    int m_regGreen = 0;
    int m_regBlue = 0;
    int m_target = 0;
    // The chosen colour after IDOK; m_selRed is -1 when nothing was chosen.
    int m_selRed = -1;
    int m_selGreen = 0;
    int m_selBlue = 0;

protected:
    void OnInitDialog() override;
    QColor ColorButtonFace(int id) const override;

private:
    void DoDataExchange();
    void OnRegister();
    void OnDelete();
    void OnSlotClicked(int slot);
    void OnSlotDoubleClicked(int slot);
    void RedrawAll();

    std::array<ColorButton*, 18> m_btnSlot{}; // slot 1 first
    ColorButton* m_btnSwatch = nullptr;
    int m_selSlot = 0; // 0 until a slot is clicked
    std::string m_iniPath;
};

} // namespace tessuvo
