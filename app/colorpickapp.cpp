#include "colorpickapp.h"

#include "colorpickdlg.h"
#include "platform/dialogfont.h"
#include "platform/qttranslation.h"
#include "settings/settingspath.h"

namespace tessuvo {

bool CColorPickApp::InitInstance()
{
    InstallFontSubstitutions();
    InstallQtTranslation();
    CColorPickDlg dlg(PrepareSettingsFile(ExecutableDirectory()));
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

} // namespace tessuvo
