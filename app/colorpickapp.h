#pragma once

namespace tessuvo {

// The application object: runs the main colour window as a modal dialog and ends with it.
class CColorPickApp final
{
public:
    // Runs the main window to its end; the program ends after it.
    void InitInstance();
};

} // namespace tessuvo
