#pragma once

namespace tessuvo {

class CColorPickDlg;

// The application object: runs the main colour window as a modal dialog and ends with it.
class CColorPickApp final
{
public:
    // Returns false: the process ends when the main window closes.
    bool InitInstance();

    CColorPickDlg* m_pMainWnd = nullptr;
};

} // namespace tessuvo
