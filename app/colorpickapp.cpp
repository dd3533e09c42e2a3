#include "colorpickapp.h"

#include "colorpickdlg.h"
#include "platform/dialogfont.h"
#include "platform/menubarstyle.h"
#include "platform/qttranslation.h"

namespace tessuvo {

void CColorPickApp::InitInstance()
{
    InstallFontSubstitutions();
    InstallQtTranslation();
    InstallMenuBarStyle();
    CColorPickDlg dlg;
    dlg.DoModal();
}

} // namespace tessuvo
