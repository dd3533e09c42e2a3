#include "choosecolor.h"

#include "regcolordlg.h"
#include "res/resource.h"
#include "samplecolordlg.h"

namespace tessuvo {

std::optional<Color> ChooseSampleColor(QWidget* owner)
{
    CSampleColorDlg dlg(owner);
    if (dlg.DoModal() != res::IDOK)
        return std::nullopt;
    return dlg.Chosen();
}

std::optional<Color> ChooseRegisteredColor(QWidget* owner, const std::string& iniPath,
                                           ColorTarget target, const Color& offered)
{
    CRegColorDlg dlg(iniPath, target, offered, owner);
    if (dlg.DoModal() != res::IDOK)
        return std::nullopt;
    return dlg.Chosen();
}

} // namespace tessuvo
