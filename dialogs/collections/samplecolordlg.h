#pragma once

#include "collections/samplepalette.h"
#include "core/color/color.h"
#include "platform/templatedialog.h"

#include <array>
#include <optional>

namespace tessuvo {

class ColorButton;

// The sample palette: 18 fixed colours; a click chooses one, a double-click chooses and closes.
class CSampleColorDlg final : public TemplateDialog
{
    Q_OBJECT

public:
    explicit CSampleColorDlg(QWidget* parent);

    // The chosen colour after IDOK; none when nothing was chosen.
    std::optional<Color> Chosen() const { return m_selected; }

protected:
    QColor ColorButtonFace(int id) const override;

private:
    void DoDataExchange();
    void ChooseAndClose(const Color& color);

    std::array<ColorButton*, SampleCount> m_btnSample{};
    std::optional<Color> m_selected;
};

} // namespace tessuvo
