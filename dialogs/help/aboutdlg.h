#pragma once

#include "platform/templatedialog.h"

namespace tessuvo {

// The version box: everything it shows comes from its template.
class CAboutDlg final : public TemplateDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace tessuvo
