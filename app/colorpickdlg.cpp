#include "colorpickdlg.h"

#include "collections/pairhistory.h"
#include "colorvisionband.h"
#include "contrastlinelabel.h"
#include "core/colortext/notation.h"
#include "core/readability/contrast.h"
#include "core/screen/windowplacement.h"
#include "core/textbox/entercommit.h"
#include "core/textbox/scrollcodes.h"
#include "cssoutput.h"
#include "dialogs/collections/choosecolor.h"
#include "dialogs/help/aboutdlg.h"
#include "dialogs/help/htmlhelp.h"
#include "dialogs/tags/gradationdlg.h"
#include "dialogs/tags/previewtextdlg.h"
#include "help/helppath.h"
#include "pairhistorymenu.h"
#include "pasteascolor.h"
#include "platform/dialogfont.h"
#include "platform/editbox.h"
#include "platform/icons.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "platform/windowops.h"
#include "previewband.h"
#include "res/resource.h"
#include "res/strings.h"
#include "settings/keptpair.h"
#include "settings/previewtext.h"
#include "settings/profile.h"
#include "settings/settingskeys.h"
#include "settings/settingspath.h"
#include "tags/csstext.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <vector>

namespace tessuvo {

using namespace res;

namespace {
constexpr std::size_t ColorTextLimit = 13;

// The fixed tooltips of the ten buttons, which are also their accessible names; nullptr for
// any other control.
const char* ButtonToolTip(int id)
{
    switch (id) {
    case IDC_BG_COPY:
    case IDC_FG_COPY:
        return "ｺﾋﾟｰ";
    case IDC_BG_PALETTE:
    case IDC_FG_PALETTE:
        return "ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ";
    case IDC_BG_PICK:
    case IDC_FG_PICK:
        return "ｽﾎﾟｲﾄ";
    case IDC_BG_REGISTER:
    case IDC_FG_REGISTER:
        return "登録";
    case IDC_BG_TAG:
        return "BODYﾀｸﾞ生成";
    case IDC_FG_TAG:
        return "FONTﾀｸﾞ生成";
    default:
        return nullptr;
    }
}

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

CColorPickDlg::CColorPickDlg(std::string iniPath, QWidget* parent)
    : PickingDialog(IDD_MAIN, parent), m_hIcon(LoadIcon(IDR_MAINFRAME)),
      m_iniPath(std::move(iniPath))
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
    connect(m_btnBgTag, &QPushButton::clicked, this, &CColorPickDlg::OnBodyTag);
    connect(m_btnFgTag, &QPushButton::clicked, this, &CColorPickDlg::OnFontTag);
    connect(m_btnBgCopy, &QPushButton::clicked, this, &CColorPickDlg::OnBgCopy);
    connect(m_btnFgCopy, &QPushButton::clicked, this, &CColorPickDlg::OnFgCopy);
    connect(m_btnBgPalette, &QPushButton::clicked, this, &CColorPickDlg::OnBgPalette);
    connect(m_btnFgPalette, &QPushButton::clicked, this, &CColorPickDlg::OnFgPalette);
    connect(m_btnBgRegister, &QPushButton::clicked, this, &CColorPickDlg::OnBgRegister);
    connect(m_btnFgRegister, &QPushButton::clicked, this, &CColorPickDlg::OnFgRegister);
    connect(m_btnBgPick, &QPushButton::clicked, this, &CColorPickDlg::OnBgPick);
    connect(m_btnFgPick, &QPushButton::clicked, this, &CColorPickDlg::OnFgPick);

    const MenuBar* menu = GetMenu();
    const auto route = [this, menu](int command, void (CColorPickDlg::*handler)()) {
        connect(menu->Command(command), &QAction::triggered, this, handler);
    };
    route(ID_APP_EXIT, &CColorPickDlg::OnExit);
    route(ID_BODY_TAG, &CColorPickDlg::OnBodyTag);
    route(ID_FONT_TAG, &CColorPickDlg::OnFontTag);
    route(ID_BG_COPY, &CColorPickDlg::OnBgCopy);
    route(ID_FG_COPY, &CColorPickDlg::OnFgCopy);
    route(ID_BG_PALETTE, &CColorPickDlg::OnBgPalette);
    route(ID_FG_PALETTE, &CColorPickDlg::OnFgPalette);
    route(ID_BG_REGISTER, &CColorPickDlg::OnBgRegister);
    route(ID_FG_REGISTER, &CColorPickDlg::OnFgRegister);
    route(ID_BG_PICK, &CColorPickDlg::OnBgPick);
    route(ID_FG_PICK, &CColorPickDlg::OnFgPick);
    route(ID_GRADATION_TAG, &CColorPickDlg::OnGradationTag);
    route(ID_NOTATION_DECIMAL, &CColorPickDlg::OnNotationDecimal);
    route(ID_NOTATION_HEX, &CColorPickDlg::OnNotationHex);
    route(ID_NOTATION_HTML, &CColorPickDlg::OnNotationHtml);
    route(ID_PREVIEW_TEXT, &CColorPickDlg::OnPreviewModeText);
    route(ID_PREVIEW_SIDES, &CColorPickDlg::OnPreviewModeSides);
    route(ID_TOPMOST, &CColorPickDlg::OnTopMost);
    route(ID_PREVIEW_STRING, &CColorPickDlg::OnPreviewTextSettings);
    route(ID_APP_ABOUT, &CColorPickDlg::OnAppAbout);
    route(ID_HELP_CONTENTS, &CColorPickDlg::OnHelpContents);
    route(ID_CONTRAST_LINE, &CColorPickDlg::OnContrastLine);
    route(ID_SWAP_COLORS, &CColorPickDlg::OnSwapColors);
    route(ID_OUTPUT_HTML, &CColorPickDlg::OnOutputHtml);
    route(ID_OUTPUT_CSS, &CColorPickDlg::OnOutputCss);

    for (const auto& [button, target] : {std::pair(m_btnBgCopy, ColorTarget::Background),
                                         std::pair(m_btnFgCopy, ColorTarget::Text)})
        AddCopyFormatMenu(
            button, [this, target] { return BarsOf(target).Get(); },
            [this, target](const std::string& text) { CopyThroughBox(target, text); });
    AddPasteToContextMenu(
        m_editBg, [this] { OnPasteColor(ColorTarget::Background, m_editBg, m_editBg->rect()); });
    AddPasteToContextMenu(m_editFg,
                          [this] { OnPasteColor(ColorTarget::Text, m_editFg, m_editFg->rect()); });
    route(ID_KEEP_COLORS, &CColorPickDlg::OnKeepColors);

    m_pairHistoryMenu = new PairHistoryMenu(m_iniPath, this);
    menu->Command(ID_PAIR_HISTORY)->setMenu(m_pairHistoryMenu);
    connect(m_pairHistoryMenu, &PairHistoryMenu::pairChosen, this, &CColorPickDlg::OnChoosePair);
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
            button->setAccessibleName(QString::fromUtf8(ButtonToolTip(ControlId(button))));
        }
    }

    m_barsBg.SetRange();
    m_barsFg.SetRange();
    SetColor(ColorTarget::Background, {255, 255, 255});
    SetColor(ColorTarget::Text, {0, 0, 0});

    m_exeDir = ExecutableDirectory();

    m_topMost = keys::Read(keys::TopMost, m_iniPath);
    m_notation = keys::Read(keys::Notation, m_iniPath);
    m_previewMode = keys::Read(keys::PreviewMode, m_iniPath);
    m_contrastLineLoaded = keys::Read(keys::ContrastLine, m_iniPath) == 1;
    m_contrastLineShown = m_contrastLineLoaded;
    GetMenu()->CheckMenuItem(ID_CONTRAST_LINE, m_contrastLineShown ? MF_CHECKED : MF_UNCHECKED);
    // Before the window is placed: it is centred, or kept on the screen, at its taller size.
    m_contrastLine->SetShown(m_contrastLineShown);
    PlaceWindow(keys::Read(keys::PositionX, m_iniPath), keys::Read(keys::PositionY, m_iniPath));
    if (const auto kept = ReadKeptPair(m_iniPath)) {
        m_keepColors = true;
        GetMenu()->CheckMenuItem(ID_KEEP_COLORS, MF_CHECKED);
        SetColor(ColorTarget::Background, kept->background);
        SetColor(ColorTarget::Text, kept->text);
    }

    CheckRadioGroup(NotationItems, m_notation);
    CheckRadioGroup(PreviewModeItems, m_previewMode);
    m_pickAreaRead = keys::Read(keys::PickArea, m_iniPath);
    m_eyedropper.SetPickArea(m_pickAreaRead);
    CheckRadioGroup(PickAreaItems, m_eyedropper.PickArea());

    m_previewText = ReadPreviewText(m_iniPath);
    m_outputStyle = OutputStyleFromSetting(keys::Read(keys::Output, m_iniPath));
    ShowOutputStyle(*GetMenu(), m_btnBgTag, m_btnFgTag, m_outputStyle);
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
    if (m_contrastLineShown)
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
    // The copy is done whatever becomes of this write.
    RecordPair(m_iniPath, {BackgroundColor(), TextColor()});
}

void CColorPickDlg::OnChoosePair(const ColorPair& pair)
{
    SetColor(ColorTarget::Background, pair.background);
    SetColor(ColorTarget::Text, pair.text);
    RefreshColors();
}

void CColorPickDlg::OnKeepColors()
{
    m_keepColors = !m_keepColors;
    GetMenu()->CheckMenuItem(ID_KEEP_COLORS, m_keepColors ? MF_CHECKED : MF_UNCHECKED);
}

void CColorPickDlg::OnBodyTag()
{
    m_strBg = BodyOutput(m_outputStyle, BackgroundColor(), TextColor());
    UpdateData(false);
    CopyThroughEdit(m_editBg);
    RefreshColors();
}

void CColorPickDlg::OnFontTag()
{
    m_strFg =
        FontOutput(m_outputStyle, TextColor(), keys::Read(keys::UseFont, m_iniPath), m_previewText);
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
    dlg.m_middle = {(dlg.m_start.red + dlg.m_end.red) / 2,
                    (dlg.m_start.green + dlg.m_end.green) / 2,
                    (dlg.m_start.blue + dlg.m_end.blue) / 2};
    dlg.m_outputStyle = m_outputStyle;
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
    QMenu menu(this);
    if (OverPreviewBand(clientPoint)) {
        AddContrastItems(menu);
        connect(menu.addAction(QString::fromUtf8(CopyCssVariablesText)), &QAction::triggered, this,
                &CColorPickDlg::OnCopyCssVariables);
        AddPasteAsColor(menu, [this] { OnPasteColor(std::nullopt, Client(), PreviewBand); });
        menu.addMenu(m_pairHistoryMenu);
    }
    if (const char* text = LoadStringResource(IDS_ABOUTBOX); *text) {
        if (!menu.isEmpty())
            menu.addSeparator();
        connect(menu.addAction(QString::fromUtf8(text)), &QAction::triggered, this,
                [this] { OnSysCommand(ID_SYS_ABOUT, 0); });
    }
    if (!menu.isEmpty())
        menu.exec(event->globalPos());
}

bool CColorPickDlg::OverPreviewBand(QPoint clientPoint) const
{
    return (m_previewMode == PreviewText || m_previewMode == PreviewSides) &&
           PreviewBand.contains(clientPoint);
}

// The pair's readout, the text colour moved to the nearest that passes, and the pair as CSS.
void CColorPickDlg::AddContrastItems(QMenu& menu)
{
    const Color background = BackgroundColor(), text = TextColor();
    menu.addAction(QString::fromStdString(ContrastReadout()))->setEnabled(false);
    const auto addFit = [&](const char* label, double ratio) {
        const auto fitted = NearestPassingColor(text, background, ratio);
        QAction* action = menu.addAction(QString::fromUtf8(label));
        action->setEnabled(fitted && *fitted != text);
        if (action->isEnabled())
            connect(action, &QAction::triggered, this,
                    [this, color = *fitted] { OnFitTextColor(color); });
    };
    addFit("文字色をAA(4.5:1)に合わせる", RatioAA);
    addFit("文字色をAAA(7:1)に合わせる", RatioAAA);
    connect(menu.addAction(QString::fromUtf8("CSSとしてコピー")), &QAction::triggered, this,
            &CColorPickDlg::OnCopyCss);
    menu.addSeparator();
    menu.addAction(GetMenu()->Command(ID_SWAP_COLORS));
    AddColorVisionMenu(menu, m_colorVision, [this](ColorVision vision) { SetColorVision(vision); });
}

// The band's readout, which is also the contrast line's tooltip.
std::string CColorPickDlg::ContrastReadout() const
{
    const Color background = BackgroundColor(), text = TextColor();
    return ContrastSummary(background, text) + SimulatedRatioNote(background, text, m_colorVision);
}

void CColorPickDlg::OnContrastLine()
{
    m_contrastLineShown = !m_contrastLineShown;
    GetMenu()->CheckMenuItem(ID_CONTRAST_LINE, m_contrastLineShown ? MF_CHECKED : MF_UNCHECKED);
    m_contrastLine->SetShown(m_contrastLineShown);
    RefreshColors();
}

void CColorPickDlg::OnSwapColors()
{
    const Color background = BackgroundColor(), text = TextColor();
    SetColor(ColorTarget::Background, text);
    SetColor(ColorTarget::Text, background);
    RefreshColors();
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

void CColorPickDlg::OnCopyCss()
{
    const std::string css = "color: " + CssColor(TextColor()) +
                            "; background-color: " + CssColor(BackgroundColor()) + ";";
    QGuiApplication::clipboard()->setText(QString::fromStdString(css));
    RememberPair();
}

void CColorPickDlg::OnOutputHtml()
{
    SetOutputStyle(OutputStyle::HtmlTags);
}

void CColorPickDlg::OnOutputCss()
{
    SetOutputStyle(OutputStyle::Css);
}

void CColorPickDlg::SetOutputStyle(OutputStyle style)
{
    m_outputStyle = style;
    m_outputChosen = true;
    ShowOutputStyle(*GetMenu(), m_btnBgTag, m_btnFgTag, style);
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
        return ContrastReadout();
    if (id == IDC_BG_TAG)
        return BodyCommandName(m_outputStyle);
    if (id == IDC_FG_TAG)
        return FontCommandName(m_outputStyle);
    if (const char* text = ButtonToolTip(id))
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
    // Options, position and the kept pair in one replacement of the file, under the settings lock:
    // neither a crash nor a second copy closing at the same moment leaves half of them written.
    const std::string topMost = std::to_string(m_topMost), notation = std::to_string(m_notation),
                      previewMode = std::to_string(m_previewMode), x = std::to_string(pos().x()),
                      y = std::to_string(pos().y());
    const std::string output = std::to_string(static_cast<int>(m_outputStyle));
    std::vector<ProfileEntry> options = {
        keys::Entry(keys::TopMost, topMost), keys::Entry(keys::Notation, notation),
        keys::Entry(keys::PreviewMode, previewMode), keys::Entry(keys::PositionX, x),
        keys::Entry(keys::PositionY, y)};
    // Left as the file has it unless changed: a file without the key stays without it.
    const std::string contrastLine = m_contrastLineShown ? "1" : "0";
    if (m_contrastLineShown != m_contrastLineLoaded)
        options.push_back(keys::Entry(keys::ContrastLine, contrastLine));
    if (m_outputChosen)
        options.push_back(keys::Entry(keys::Output, output));
    const KeptPairWrites kept(m_keepColors, {BackgroundColor(), TextColor()});
    options.insert(options.end(), kept.Entries().begin(), kept.Entries().end());
    const std::string pickArea = std::to_string(m_eyedropper.PickArea());
    if (m_eyedropper.PickArea() != PickAreaFromValue(m_pickAreaRead))
        options.push_back(keys::Entry(keys::PickArea, pickArea));
    WritePrivateProfileEntries(options, m_iniPath);
    WritePreviewText(m_previewText, m_iniPath);
}

} // namespace tessuvo
