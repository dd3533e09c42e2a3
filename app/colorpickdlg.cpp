#include "colorpickdlg.h"

#include "colorvisionband.h"
#include "contrastlinelabel.h"
#include "copyformatmenu.h"
#include "core/colortext/notation.h"
#include "core/screen/windowplacement.h"
#include "core/textbox/entercommit.h"
#include "core/textbox/scrollcodes.h"
#include "dialogs/collections/choosecolor.h"
#include "dialogs/help/aboutdlg.h"
#include "dialogs/help/htmlhelp.h"
#include "dialogs/tags/gradationdlg.h"
#include "dialogs/tags/previewtextdlg.h"
#include "help/helppath.h"
#include "outputstylemenu.h"
#include "pairhistorymenu.h"
#include "pasteascolor.h"
#include "platform/dialogfont.h"
#include "platform/editbox.h"
#include "platform/icons.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "platform/windowops.h"
#include "previewband.h"
#include "previewbandmenu.h"
#include "res/resource.h"
#include "res/strings.h"
#include "res/tooltips.h"
#include "settings/settingskeys.h"
#include "settings/settingspath.h"
#include "tags/csstext.h"
#include "tags/gradation.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

namespace tessuvo {

using namespace res;

namespace {
constexpr std::size_t ColorTextLimit = 13;

// Option values and the menu items that carry their check marks.
constexpr std::pair<int, int> NotationItems[] = {
    {NotationDecimal, ID_NOTATION_DECIMAL},
    {NotationHex, ID_NOTATION_HEX},
    {NotationHtml, ID_NOTATION_HTML},
};
constexpr std::pair<int, int> PreviewModeItems[] = {
    {PreviewText, ID_PREVIEW_TEXT},
    {PreviewSides, ID_PREVIEW_SIDES},
};
constexpr std::pair<int, int> PickAreaItems[] = {
    {PickOnePixel, ID_PICK_AREA_1},
    {PickAverage3, ID_PICK_AREA_3},
    {PickAverage5, ID_PICK_AREA_5},
};
} // namespace

CColorPickDlg::CColorPickDlg(std::string iniPath, std::string historyPath, QWidget* parent)
    : PickingDialog(IDD_MAIN, parent), m_hIcon(LoadIcon(IDR_MAINFRAME)),
      m_iniPath(std::move(iniPath)), m_options(m_iniPath)
{
    DoDataExchange();
    m_contrastLine = new ContrastLineLabel(Client());
    m_editBg->setFont(CompactDialogFont());
    m_editFg->setFont(CompactDialogFont());

    for (const ColorBars* bars : {&m_barsBg, &m_barsFg})
        bars->Connect(this,
                      [this](ScrollBar* bar, int code, int thumb) { OnHScroll(bar, code, thumb); });
    connect(m_editBg, &EditBox::changed, this, &CColorPickDlg::OnChangeEditBg);
    connect(m_editFg, &EditBox::changed, this, &CColorPickDlg::OnChangeEditFg);
    using Handler = void (CColorPickDlg::*)();
    const std::pair<QPushButton*, Handler> buttons[] = {
        {m_btnBgTag, &CColorPickDlg::OnBodyTag},
        {m_btnFgTag, &CColorPickDlg::OnFontTag},
        {m_btnBgCopy, &CColorPickDlg::OnBgCopy},
        {m_btnFgCopy, &CColorPickDlg::OnFgCopy},
        {m_btnBgPalette, &CColorPickDlg::OnBgPalette},
        {m_btnFgPalette, &CColorPickDlg::OnFgPalette},
        {m_btnBgRegister, &CColorPickDlg::OnBgRegister},
        {m_btnFgRegister, &CColorPickDlg::OnFgRegister},
        {m_btnBgPick, &CColorPickDlg::OnBgPick},
        {m_btnFgPick, &CColorPickDlg::OnFgPick}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    static constexpr std::pair<int, Handler> Commands[] = {
        {ID_APP_EXIT, &CColorPickDlg::OnExit},
        {ID_BODY_TAG, &CColorPickDlg::OnBodyTag},
        {ID_FONT_TAG, &CColorPickDlg::OnFontTag},
        {ID_BG_COPY, &CColorPickDlg::OnBgCopy},
        {ID_FG_COPY, &CColorPickDlg::OnFgCopy},
        {ID_BG_PALETTE, &CColorPickDlg::OnBgPalette},
        {ID_FG_PALETTE, &CColorPickDlg::OnFgPalette},
        {ID_BG_REGISTER, &CColorPickDlg::OnBgRegister},
        {ID_FG_REGISTER, &CColorPickDlg::OnFgRegister},
        {ID_BG_PICK, &CColorPickDlg::OnBgPick},
        {ID_FG_PICK, &CColorPickDlg::OnFgPick},
        {ID_GRADATION_TAG, &CColorPickDlg::OnGradationTag},
        {ID_NOTATION_DECIMAL, &CColorPickDlg::OnNotationDecimal},
        {ID_NOTATION_HEX, &CColorPickDlg::OnNotationHex},
        {ID_NOTATION_HTML, &CColorPickDlg::OnNotationHtml},
        {ID_PREVIEW_TEXT, &CColorPickDlg::OnPreviewModeText},
        {ID_PREVIEW_SIDES, &CColorPickDlg::OnPreviewModeSides},
        {ID_TOPMOST, &CColorPickDlg::OnTopMost},
        {ID_PREVIEW_STRING, &CColorPickDlg::OnPreviewTextSettings},
        {ID_APP_ABOUT, &CColorPickDlg::OnAppAbout},
        {ID_HELP_CONTENTS, &CColorPickDlg::OnHelpContents},
        {ID_CONTRAST_LINE, &CColorPickDlg::OnContrastLine},
        {ID_SWAP_COLORS, &CColorPickDlg::OnSwapColors},
        {ID_KEEP_COLORS, &CColorPickDlg::OnKeepColors}};
    const MenuBar* menu = GetMenu();
    for (const auto& [command, handler] : Commands)
        connect(menu->Command(command), &QAction::triggered, this, handler);

    for (const auto& [button, target] : {std::pair(m_btnBgCopy, ColorTarget::Background),
                                         std::pair(m_btnFgCopy, ColorTarget::Text)})
        AddCopyFormatMenu(
            button, [this, target] { return BarsOf(target).Get(); },
            [this, target](const std::string& text) { CopyThroughBox(target, text); });
    AddPasteToContextMenu(
        m_editBg, [this] { OnPasteColor(ColorTarget::Background, m_editBg, m_editBg->rect()); });
    AddPasteToContextMenu(m_editFg,
                          [this] { OnPasteColor(ColorTarget::Text, m_editFg, m_editFg->rect()); });

    m_outputStyle = new OutputStyleMenu(*GetMenu(), m_btnBgTag, m_btnFgTag, m_options, this);
    m_pairHistoryMenu = new PairHistoryMenu(std::move(historyPath), this);
    menu->Command(ID_PAIR_HISTORY)->setMenu(m_pairHistoryMenu);
    connect(m_pairHistoryMenu, &PairHistoryMenu::pairChosen, this, &CColorPickDlg::SetPair);
    for (const auto& [area, command] : PickAreaItems)
        connect(menu->Command(command), &QAction::triggered, this,
                [this, a = area] { OnPickArea(a); });
}

void CColorPickDlg::DoDataExchange()
{
    m_btnFgCopy = Control<QPushButton>(IDC_FG_COPY);
    m_btnFgTag = Control<QPushButton>(IDC_FG_TAG);
    m_btnBgTag = Control<QPushButton>(IDC_BG_TAG);
    m_btnFgRegister = Control<QPushButton>(IDC_FG_REGISTER);
    m_btnBgRegister = Control<QPushButton>(IDC_BG_REGISTER);
    m_btnFgPick = Control<QPushButton>(IDC_FG_PICK);
    m_btnBgPick = Control<QPushButton>(IDC_BG_PICK);
    m_btnFgPalette = Control<QPushButton>(IDC_FG_PALETTE);
    m_btnBgPalette = Control<QPushButton>(IDC_BG_PALETTE);
    m_editFg = Control<EditBox>(IDC_EDIT_FG);
    m_editBg = Control<EditBox>(IDC_EDIT_BG);
    m_btnBgCopy = Control<QPushButton>(IDC_BG_COPY);
    m_sbFgBlue = Control<ScrollBar>(IDC_FG_BLUE);
    m_sbFgGreen = Control<ScrollBar>(IDC_FG_GREEN);
    m_sbFgRed = Control<ScrollBar>(IDC_FG_RED);
    m_sbBgBlue = Control<ScrollBar>(IDC_BG_BLUE);
    m_sbBgGreen = Control<ScrollBar>(IDC_BG_GREEN);
    m_sbBgRed = Control<ScrollBar>(IDC_BG_RED);
    m_barsBg = ColorBars(m_sbBgRed, m_sbBgGreen, m_sbBgBlue);
    m_barsFg = ColorBars(m_sbFgRed, m_sbFgGreen, m_sbFgBlue);
}

void CColorPickDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_strBg = m_editBg->GetWindowText();
        m_strFg = m_editFg->GetWindowText();
        return;
    }
    m_editBg->SetWindowText(m_strBg);
    m_editBg->SetLimitText(ColorTextLimit);
    m_editFg->SetWindowText(m_strFg);
    m_editFg->SetLimitText(ColorTextLimit);
}

void CColorPickDlg::OnInitDialog()
{
    UpdateData(false);
    setWindowIcon(m_hIcon);

    const std::pair<int, std::pair<QPushButton*, QPushButton*>> images[] = {
        {IDI_COPY, {m_btnBgCopy, m_btnFgCopy}}, {IDI_PALETTE, {m_btnBgPalette, m_btnFgPalette}},
        {IDI_PICK, {m_btnBgPick, m_btnFgPick}}, {IDI_REGISTER, {m_btnBgRegister, m_btnFgRegister}},
        {IDI_TAG, {m_btnBgTag, m_btnFgTag}},
    };
    for (const auto& [icon, buttons] : images) {
        for (QPushButton* button : {buttons.first, buttons.second}) {
            SetButtonIcon(button, icon);
            // Read out by screen readers in place of the hidden caption.
            button->setAccessibleName(
                QString::fromUtf8(ButtonToolTip(IDD_MAIN, ControlId(button))));
        }
    }

    m_barsBg.SetRange();
    m_barsFg.SetRange();
    SetColor(ColorTarget::Background, {255, 255, 255});
    SetColor(ColorTarget::Text, {0, 0, 0});

    m_exeDir = ExecutableDirectory();

    const DesignOptions design = m_options.Read();
    m_topMost = design.topMost;
    m_notation = design.notation;
    m_previewMode = design.previewMode;
    const bool contrastLine = m_options.Get(keys::ContrastLine) == 1;
    GetMenu()->CheckMenuItem(ID_CONTRAST_LINE, contrastLine ? MF_CHECKED : MF_UNCHECKED);
    // Before the window is placed: it is centred, or kept on the screen, at its taller size.
    m_contrastLine->SetShown(contrastLine);
    PlaceWindow(design.x, design.y);
    if (const auto kept = m_options.KeptPair()) {
        GetMenu()->CheckMenuItem(ID_KEEP_COLORS, MF_CHECKED);
        SetColor(ColorTarget::Background, kept->background);
        SetColor(ColorTarget::Text, kept->text);
    }

    CheckRadioGroup(NotationItems, m_notation);
    CheckRadioGroup(PreviewModeItems, m_previewMode);
    m_eyedropper.SetPickArea(m_options.Get(keys::PickArea));
    CheckRadioGroup(PickAreaItems, m_eyedropper.PickArea());

    m_previewText = design.previewText;
    m_outputStyle->Show();
}

void CColorPickDlg::PlaceWindow(int x, int y)
{
    const QSize screen = PrimaryScreenSize();
    const Placement placement =
        tessuvo::PlaceWindow(m_topMost, x, y, screen.width(), screen.height());
    if (placement.kind == Placement::MoveTo)
        move(placement.x, placement.y);
    else
        CentreOnDesktop(this);
    if (placement.topMost) {
        SetTopMost(this, true);
        GetMenu()->CheckMenuItem(ID_TOPMOST, MF_CHECKED);
    }
}

void CColorPickDlg::showEvent(QShowEvent* event)
{
    PickingDialog::showEvent(event);
    // The edit texts are first written when the window appears. Later repaints leave them
    // alone: Qt repaints far more often than the window is uncovered, and text the user is
    // typing must not be thrown away by a repaint.
    RefreshColors();
}

void CColorPickDlg::PaintClient(QPainter& painter)
{
    PaintSimulatedBand(painter, m_previewMode, BackgroundColor(), TextColor(),
                       QString::fromStdString(m_previewText), m_colorVision);
    if (m_colorsStale) {
        // After this paint, not inside it: rewriting the texts repaints the edit boxes.
        m_colorsStale = false;
        QMetaObject::invokeMethod(this, &CColorPickDlg::RefreshColors, Qt::QueuedConnection);
    }
}

Color CColorPickDlg::BackgroundColor() const
{
    return m_barsBg.Get();
}

Color CColorPickDlg::TextColor() const
{
    return m_barsFg.Get();
}

ColorPair CColorPickDlg::Pair() const
{
    return {BackgroundColor(), TextColor()};
}

const ColorBars& CColorPickDlg::BarsOf(ColorTarget target) const
{
    return target == ColorTarget::Background ? m_barsBg : m_barsFg;
}

void CColorPickDlg::SetColor(ColorTarget target, const Color& color)
{
    BarsOf(target).Set(color);
}

void CColorPickDlg::RefreshColors()
{
    const Color bg = BackgroundColor();
    const Color fg = TextColor();
    m_colorsStale = false;
    if (const auto text = FormatColor(m_notation, bg)) {
        m_editBg->SetWindowText(*text);
        m_editFg->SetWindowText(*FormatColor(m_notation, fg));
    }
    Client()->repaint(PreviewBand.united(PreviewTextBox));
    if (m_options.Get(keys::ContrastLine) == 1)
        m_contrastLine->ShowPair(bg, fg, m_colorVision);
}

void CColorPickDlg::ApplyColorText(ColorTarget target, const std::string& text)
{
    // A translucent CSS colour shows as it would on the page: a text colour over the background,
    // a background over white.
    const Color backdrop = target == ColorTarget::Text ? BackgroundColor() : Color{255, 255, 255};
    const auto color = ColorFromTypedText(text, backdrop);
    if (!color)
        return;
    SetColor(target, *color);
    RefreshColors();
}

void CColorPickDlg::OnHScroll(ScrollBar* bar, int code, int thumb)
{
    bar->SetScrollPos(ScrolledPosition(code, bar->GetScrollPos(), thumb));
    RefreshColors();
}

void CColorPickDlg::OnChangeEditBg()
{
    if (const auto text = m_editBg->CommitOnEnter(ColorLineBuffer))
        ApplyColorText(ColorTarget::Background, *text);
}

void CColorPickDlg::OnChangeEditFg()
{
    if (const auto text = m_editFg->CommitOnEnter(ColorLineBuffer))
        ApplyColorText(ColorTarget::Text, *text);
}

void CColorPickDlg::CheckRadioGroup(std::span<const std::pair<int, int>> items, int value)
{
    for (const auto& [itemValue, command] : items)
        GetMenu()->CheckMenuItem(command, itemValue == value ? MF_CHECKED : MF_UNCHECKED);
}

void CColorPickDlg::SetNotation(int notation)
{
    CheckRadioGroup(NotationItems, notation);
    m_notation = notation;
    RefreshColors();
}

void CColorPickDlg::SetPreviewMode(int mode)
{
    CheckRadioGroup(PreviewModeItems, mode);
    m_previewMode = mode;
    RefreshColors();
}

void CColorPickDlg::OnPickArea(int area)
{
    CheckRadioGroup(PickAreaItems, area);
    m_eyedropper.SetPickArea(area);
    m_options.Set(keys::PickArea, area);
}

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

void CColorPickDlg::SetPair(const ColorPair& pair)
{
    SetColor(ColorTarget::Background, pair.background);
    SetColor(ColorTarget::Text, pair.text);
    RefreshColors();
}

void CColorPickDlg::OnKeepColors()
{
    const bool keep = m_options.Get(keys::KeepColors) != 1;
    m_options.SetKeepColors(keep, Pair());
    GetMenu()->CheckMenuItem(ID_KEEP_COLORS, keep ? MF_CHECKED : MF_UNCHECKED);
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

// A colour that the desktop's picker hands over is a completed pick: bars, then the refresh
// of a release.
void CColorPickDlg::OnBgPick()
{
    StartEyedropper(this, m_eyedropper, ColorTarget::Background, [this](const Color& color) {
        SetColor(ColorTarget::Background, color);
        RefreshColors();
    });
}

void CColorPickDlg::OnFgPick()
{
    StartEyedropper(this, m_eyedropper, ColorTarget::Text, [this](const Color& color) {
        SetColor(ColorTarget::Text, color);
        RefreshColors();
    });
}

// The bars take the colour at the press; the texts and the preview follow at the release.
void CColorPickDlg::OnLButtonDown(QPointF global)
{
    const auto pick = m_eyedropper.LeftButtonDown(global.x(), global.y());
    if (pick && pick->target)
        SetColor(*pick->target, pick->color);
}

// The magnifier measures the colour under the pointer against the pair's other colour.
Color CColorPickDlg::PickContrastColor(ColorTarget target) const
{
    return target == ColorTarget::Background ? TextColor() : BackgroundColor();
}

void CColorPickDlg::OnLButtonUp()
{
    if (m_eyedropper.End())
        RefreshColors();
}

void CColorPickDlg::OnRButtonDown()
{
    const bool taken = m_eyedropper.Picking() && !m_eyedropper.PickTarget();
    if (!m_eyedropper.End())
        return;
    SwallowNextContextMenu();
    // Setting the bars has already repainted this window, so only a later repaint shows the
    // colour taken before the cancel.
    m_colorsStale = taken;
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
    if (const auto color = ChooseSampleColor(this)) {
        SetColor(target, *color);
        RefreshColors();
    }
}

void CColorPickDlg::ChooseFromRegistered(ColorTarget target)
{
    if (const auto color = ChooseRegisteredColor(this, m_iniPath, target, BarsOf(target).Get())) {
        SetColor(target, *color);
        RefreshColors();
    }
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

void CColorPickDlg::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint clientPoint = Client()->mapFrom(this, event->pos());
    if (!Client()->rect().contains(clientPoint) || Client()->childAt(clientPoint)) {
        PickingDialog::contextMenuEvent(event);
        return;
    }
    const std::unique_ptr<QMenu> menu =
        OverPreviewBand(clientPoint) ? BandMenu() : std::make_unique<QMenu>(this);
    if (const char* text = LoadStringResource(IDS_ABOUTBOX); *text) {
        if (!menu->isEmpty())
            menu->addSeparator();
        connect(menu->addAction(QString::fromUtf8(text)), &QAction::triggered, this,
                [this] { OnSysCommand(ID_SYS_ABOUT, 0); });
    }
    if (!menu->isEmpty())
        menu->exec(event->globalPos());
}

bool CColorPickDlg::OverPreviewBand(QPoint clientPoint) const
{
    return (m_previewMode == PreviewText || m_previewMode == PreviewSides) &&
           PreviewBand.contains(clientPoint);
}

std::unique_ptr<QMenu> CColorPickDlg::BandMenu()
{
    auto menu = std::make_unique<PreviewBandMenu>(
        Pair(), m_colorVision, GetMenu()->Command(ID_SWAP_COLORS), m_pairHistoryMenu, this);
    connect(menu.get(), &PreviewBandMenu::textColorChosen, this, &CColorPickDlg::OnFitTextColor);
    connect(menu.get(), &PreviewBandMenu::cssCopied, this, &CColorPickDlg::RememberPair);
    connect(menu.get(), &PreviewBandMenu::copyCssVariablesAsked, this,
            &CColorPickDlg::OnCopyCssVariables);
    connect(menu.get(), &PreviewBandMenu::pasteAsked, this,
            [this] { OnPasteColor(std::nullopt, Client(), PreviewBand); });
    connect(menu.get(), &PreviewBandMenu::colorVisionChosen, this, &CColorPickDlg::SetColorVision);
    return menu;
}

void CColorPickDlg::OnContrastLine()
{
    const bool shown = m_options.Get(keys::ContrastLine) != 1;
    m_options.Set(keys::ContrastLine, shown ? 1 : 0);
    GetMenu()->CheckMenuItem(ID_CONTRAST_LINE, shown ? MF_CHECKED : MF_UNCHECKED);
    m_contrastLine->SetShown(shown);
    RefreshColors();
}

void CColorPickDlg::OnSwapColors()
{
    SetPair({TextColor(), BackgroundColor()});
}

void CColorPickDlg::SetColorVision(ColorVision vision)
{
    m_colorVision = vision;
    RefreshColors();
}

void CColorPickDlg::OnFitTextColor(const Color& color)
{
    SetColor(ColorTarget::Text, color);
    RefreshColors();
}

void CColorPickDlg::OnCopyCssVariables()
{
    CopyThroughBox(ColorTarget::Background, CssVariables(BackgroundColor(), TextColor()));
}

// Every colour the clipboard gives goes in as any other: bars first, then one refresh.
void CColorPickDlg::OnPasteColor(std::optional<ColorTarget> into, QWidget* at, QRect area)
{
    const PastedColors colors = PasteColorsFromClipboard(into, BackgroundColor(), at, area);
    if (colors.background)
        SetColor(ColorTarget::Background, *colors.background);
    if (colors.text)
        SetColor(ColorTarget::Text, *colors.text);
    if (colors.background || colors.text)
        RefreshColors();
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

std::optional<std::string> CColorPickDlg::ToolTipText(int id, QPoint clientPoint) const
{
    if (id == 0 && OverPreviewBand(clientPoint))
        return BandReadout(Pair(), m_colorVision);
    if (id == IDC_BG_TAG)
        return BodyCommandName(m_outputStyle->Style());
    if (id == IDC_FG_TAG)
        return FontCommandName(m_outputStyle->Style());
    if (const char* text = ButtonToolTip(IDD_MAIN, id))
        return text;
    if (id != IDC_EDIT_BG && id != IDC_EDIT_FG)
        return std::nullopt;
    return FormatColor(OtherNotation(m_notation),
                       id == IDC_EDIT_BG ? BackgroundColor() : TextColor());
}

void CColorPickDlg::closeEvent(QCloseEvent* event)
{
    OnClose();
    PickingDialog::closeEvent(event);
}

void CColorPickDlg::OnClose()
{
    m_options.WriteAtClose(
        {m_topMost, m_notation, m_previewMode, pos().x(), pos().y(), m_previewText});
}

void CColorPickDlg::done(int result)
{
    m_options.WriteKeptPair(Pair());
    PickingDialog::done(result);
}

} // namespace tessuvo
