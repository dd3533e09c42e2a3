#pragma once

#include "platform/templatedialog.h"

#include <string>

class QCheckBox;

namespace tessuvo {

class EditBox;

// The preview text and whether the FONT tag carries it. OK hands the text back and writes the
// FONT tag option at once; Cancel changes nothing.
class CPreviewTextDlg final : public TemplateDialog
{
    Q_OBJECT

public:
    CPreviewTextDlg(std::string iniPath, QWidget* parent);

    // Set by the caller before the dialog runs; the edited text after IDOK.
    std::string m_previewText;

protected:
    void OnInitDialog() override;
    // The OK button and the default Enter.
    void accept() override { OnOK(); }

private:
    void DoDataExchange();
    void UpdateData(bool saveAndValidate);
    void OnChangePreviewEdit();
    void OnOK();

    QCheckBox* m_chkUseFont = nullptr;
    EditBox* m_editPreview = nullptr;
    std::string m_text;
    std::string m_iniPath;
};

} // namespace tessuvo
