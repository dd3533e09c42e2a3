#include "aboutdlg.h"

#include "res/resource.h"

namespace tessuvo {

CAboutDlg::CAboutDlg(QWidget* parent) : TemplateDialog(res::IDD_ABOUTBOX, parent) {}

} // namespace tessuvo
