#include "colorpickapp.h"

#include "colorpickdlg.h"
#include "platform/dialogfont.h"
#include "platform/qttranslation.h"

namespace tessuvo {

void CColorPickApp::InitInstance()
{
    InstallFontSubstitutions();
    InstallQtTranslation();
    CColorPickDlg dlg;
    dlg.DoModal();
}

} // namespace tessuvo
