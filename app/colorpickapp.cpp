#include "colorpickapp.h"

#include "colorpickdlg.h"
#include "dialogs/help/helpkey.h"
#include "help/helppath.h"
#include "platform/dialogfont.h"
#include "platform/qttranslation.h"
#include "settings/settingspath.h"

#include <QCoreApplication>

namespace tessuvo {

bool CColorPickApp::InitInstance()
{
    InstallFontSubstitutions();
    InstallQtTranslation();
    const std::string exeDir = ExecutableDirectory();
    // The application answers the help command (F1) in every window with the help contents.
    HelpKey helpKey(HelpPath(exeDir));
    QCoreApplication::instance()->installEventFilter(&helpKey);
    CColorPickDlg dlg(PrepareSettingsFile(exeDir));
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

} // namespace tessuvo
