#include "previewtextdlg.h"

#include "core/textbox/entercommit.h"
#include "platform/editbox.h"
#include "res/resource.h"
#include "settings/settingskeys.h"

#include <QCheckBox>
#include <utility>

namespace tessuvo {

namespace {
constexpr std::size_t PreviewTextLimit = 1024;
} // namespace

CPreviewTextDlg::CPreviewTextDlg(std::string iniPath, QWidget* parent)
    : TemplateDialog(res::IDD_PREVIEWTEXT, parent), m_iniPath(std::move(iniPath))
{
    DoDataExchange();
    connect(m_editPreview, &EditBox::changed, this, &CPreviewTextDlg::OnChangePreviewEdit);
}

void CPreviewTextDlg::DoDataExchange()
{
    m_chkUseFont = Control<QCheckBox>(res::IDC_USEFONT);
    m_editPreview = Control<EditBox>(res::IDC_PREVIEW_EDIT);
}

// Only the typing limit: a longer text set by the program is taken as it is, without a message.
void CPreviewTextDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_text = m_editPreview->GetWindowText();
        return;
    }
    m_editPreview->SetWindowText(m_text);
    m_editPreview->SetLimitText(PreviewTextLimit);
}

void CPreviewTextDlg::OnInitDialog()
{
    m_text = m_previewText;
    UpdateData(false);
    // Any value but 0, only from a hand-edited file, shows checked; OK then writes "1".
    m_chkUseFont->setChecked(keys::Read(keys::UseFont, m_iniPath) != 0);
}

void CPreviewTextDlg::OnChangePreviewEdit()
{
    if (m_editPreview->CommitOnEnter(PreviewTextLineBuffer))
        OnOK();
}

void CPreviewTextDlg::OnOK()
{
    UpdateData(true);
    m_previewText = m_text;
    keys::Write(keys::UseFont, m_chkUseFont->isChecked() ? 1 : 0, m_iniPath);
    EndDialog(res::IDOK);
}

} // namespace tessuvo
