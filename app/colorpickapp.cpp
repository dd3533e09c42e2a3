#include "colorpickapp.h"

#include "collections/pairhistory.h"
#include "colorpickdlg.h"
#include "dialogs/help/helpkey.h"
#include "help/helppath.h"
#include "platform/dialogfont.h"
#include "platform/menubarstyle.h"
#include "platform/qttranslation.h"
#include "settings/settingspath.h"

#include <QCoreApplication>

namespace tessuvo {

void CColorPickApp::InitInstance()
{
    InstallFontSubstitutions();
    InstallQtTranslation();
    InstallMenuBarStyle();
    const std::string exeDir = ExecutableDirectory();
    // The application answers the help command (F1) in every window with the help contents.
    HelpKey helpKey(HelpPath(exeDir));
    QCoreApplication::instance()->installEventFilter(&helpKey);
    const std::string settings = PrepareSettingsFile(exeDir);
    CColorPickDlg dlg(settings, PrepareHistoryFile(settings));
    dlg.DoModal();
}

} // namespace tessuvo
