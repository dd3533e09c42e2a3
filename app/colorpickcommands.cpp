// The main window's commands: the handlers that its menu bar and its buttons are wired to in
// colorpickdlg.cpp.
#include "colorpickdlg.h"
#include "dialogs/collections/choosecolor.h"
#include "dialogs/help/aboutdlg.h"
#include "dialogs/help/htmlhelp.h"
#include "dialogs/tags/gradationdlg.h"
#include "dialogs/tags/previewtextdlg.h"
#include "help/helppath.h"
#include "outputstylemenu.h"
#include "pairhistorymenu.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/windowops.h"
#include "res/resource.h"
#include "settings/settingskeys.h"
#include "tags/gradation.h"

namespace tessuvo {

using namespace res;

void CColorPickDlg::OnNotationDecimal()
{
    SetNotation(NotationDecimal);
}

void CColorPickDlg::OnNotationHex()
{
    SetNotation(NotationHex);
}

void CColorPickDlg::OnNotationHtml()
{
    SetNotation(NotationHtml);
}

void CColorPickDlg::OnPreviewModeText()
{
    SetPreviewMode(PreviewText);
}

void CColorPickDlg::OnPreviewModeSides()
{
    SetPreviewMode(PreviewSides);
}

void CColorPickDlg::OnTopMost()
{
    if (m_topMost == 1) {
        SetTopMost(this, false);
        GetMenu()->CheckMenuItem(ID_TOPMOST, MF_UNCHECKED);
        m_topMost = 0;
    } else if (m_topMost == 0) {
        SetTopMost(this, true);
        GetMenu()->CheckMenuItem(ID_TOPMOST, MF_CHECKED);
        m_topMost = 1;
    }
}

void CColorPickDlg::OnExit()
{
    // Queued, so that the window closes after this command has returned.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CColorPickDlg::CopyThroughEdit(EditBox* edit)
{
    edit->SetSel(0, -1);
    edit->ScrollCaret();
    edit->Copy();
    RememberPair();
}

void CColorPickDlg::RememberPair()
{
    m_pairHistoryMenu->Record(Pair());
}

void CColorPickDlg::OnBodyTag()
{
    m_strBg = BodyOutput(m_outputStyle->Style(), BackgroundColor(), TextColor());
    UpdateData(false);
    CopyThroughEdit(m_editBg);
    RefreshColors();
}

void CColorPickDlg::OnFontTag()
{
    m_strFg = FontOutput(m_outputStyle->Style(), TextColor(), keys::Read(keys::UseFont, m_iniPath),
                         m_previewText);
    UpdateData(false);
    CopyThroughEdit(m_editFg);
    RefreshColors();
}

void CColorPickDlg::OnBgCopy()
{
    CopyThroughEdit(m_editBg);
}

void CColorPickDlg::OnFgCopy()
{
    CopyThroughEdit(m_editFg);
}

void CColorPickDlg::OnBgPalette()
{
    ChooseFromPalette(ColorTarget::Background);
}

void CColorPickDlg::OnFgPalette()
{
    ChooseFromPalette(ColorTarget::Text);
}

void CColorPickDlg::OnBgRegister()
{
    ChooseFromRegistered(ColorTarget::Background);
}

void CColorPickDlg::OnFgRegister()
{
    ChooseFromRegistered(ColorTarget::Text);
}

void CColorPickDlg::OnBgPick()
{
    StartPick(ColorTarget::Background);
}

void CColorPickDlg::OnFgPick()
{
    StartPick(ColorTarget::Text);
}

// A colour that the desktop's picker hands over is a completed pick: bars, then the refresh
// of a release.
void CColorPickDlg::StartPick(ColorTarget target)
{
    StartEyedropper(this, m_eyedropper, target,
                    [this, target](const Color& color) { TakeColor(target, color); });
}

// The dialog gets the colours as they are now and hands nothing back.
void CColorPickDlg::OnGradationTag()
{
    CGradationTagDlg dlg(m_iniPath, this);
    dlg.UsePickArea(m_eyedropper.PickArea());
    connect(&dlg, &CGradationTagDlg::tagsCopied, this, &CColorPickDlg::RememberPair);
    dlg.m_start = BackgroundColor();
    dlg.m_end = TextColor();
    dlg.m_middle = MiddleColor(dlg.m_start, dlg.m_end);
    dlg.m_outputStyle = m_outputStyle->Style();
    dlg.DoModal();
}

// The side dialogs are owned by this window, so that they stay above it when it is kept on
// top and open centred over it.
void CColorPickDlg::ChooseFromPalette(ColorTarget target)
{
    if (const auto color = ChooseSampleColor(this))
        TakeColor(target, *color);
}

void CColorPickDlg::ChooseFromRegistered(ColorTarget target)
{
    if (const auto color = ChooseRegisteredColor(this, m_iniPath, target, BarsOf(target).Get()))
        TakeColor(target, *color);
}

void CColorPickDlg::OnPreviewTextSettings()
{
    UpdateData(true);
    CPreviewTextDlg dlg(m_iniPath, this);
    dlg.m_previewText = m_previewText;
    if (dlg.DoModal() != IDOK)
        return;
    m_previewText = dlg.m_previewText;
    RefreshColors();
}

void CColorPickDlg::OnAppAbout()
{
    CAboutDlg dlg(this);
    dlg.DoModal();
}

void CColorPickDlg::OnHelpContents()
{
    HtmlHelpA(nullptr, HelpPath(m_exeDir), HH_DISPLAY_TOC, 0);
}

// As the tags go: through the colour's edit box, which shows its value again afterwards.
void CColorPickDlg::CopyThroughBox(ColorTarget target, const std::string& text)
{
    const bool background = target == ColorTarget::Background;
    (background ? m_strBg : m_strFg) = text;
    UpdateData(false);
    CopyThroughEdit(background ? m_editBg : m_editFg);
    RefreshColors();
}

void CColorPickDlg::OnSysCommand(unsigned id, long)
{
    // The standard window commands never arrive here: the window manager carries them out.
    if ((id & ~0xFu) == ID_SYS_ABOUT)
        OnAppAbout();
}

} // namespace tessuvo
