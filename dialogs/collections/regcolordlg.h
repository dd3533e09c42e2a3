#pragma once

#include "collections/regslots.h"
#include "core/color/color.h"
#include "platform/templatedialog.h"

#include <array>
#include <optional>
#include <string>

namespace tessuvo {

class ColorButton;

// The registered colours of one colour target: 18 slots kept in the settings file. Registering
// and deleting are written at once, however the dialog ends.
class CRegColorDlg final : public TemplateDialog
{
    Q_OBJECT

public:
    // `offered` is the colour offered for registration, `target` the set it goes into.
    CRegColorDlg(std::string iniPath, ColorTarget target, const Color& offered, QWidget* parent);

    // The chosen colour after IDOK, each channel the whole value the file holds; none when
    // nothing was chosen.
    std::optional<Color> Chosen() const { return m_selected; }

protected:
    QColor ColorButtonFace(int id) const override;

private:
    void DoDataExchange();
    void OnRegister();
    void OnDelete();
    void OnSlotClicked(int slot);
    void OnSlotDoubleClicked(int slot);
    void RedrawAll();

    std::array<ColorButton*, SlotCount> m_btnSlot{}; // slot 1 first
    ColorButton* m_btnSwatch = nullptr;
    const std::string m_iniPath;
    const ColorTarget m_target;
    const Color m_offered;
    int m_selSlot = 0; // 0 until a slot is clicked
    std::optional<Color> m_selected;
};

} // namespace tessuvo
