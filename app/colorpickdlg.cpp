#include "colorpickdlg.h"

#include "additionoptionsmenu.h"
#include "collections/palettefolder.h"
#include "copyformatmenu.h"
#include "core/colortext/notation.h"
#include "core/textbox/entercommit.h"
#include "core/textbox/scrollcodes.h"
#include "outputstylemenu.h"
#include "pairhistorymenu.h"
#include "pairview.h"
#include "palettecommand.h"
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
#include "res/tooltips.h"
#include "settings/settingspath.h"

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
} // namespace

CColorPickDlg::CColorPickDlg(std::string iniPath, std::string historyPath, QWidget* parent)
    : PickingDialog(IDD_MAIN, parent), m_hIcon(LoadIcon(IDR_MAINFRAME)),
      m_iniPath(std::move(iniPath)), m_options(m_iniPath)
{
    DoDataExchange();
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
        {ID_HELP_CONTENTS, &CColorPickDlg::OnHelpContents}};
    MenuBar* menu = GetMenu();
    for (const auto& [command, handler] : Commands)
        connect(menu->Command(command), &QAction::triggered, this, handler);

    for (const auto& [button, target] : {std::pair(m_btnBgCopy, ColorTarget::Background),
                                         std::pair(m_btnFgCopy, ColorTarget::Text)})
        AddCopyFormatMenu(
            button, [this, target] { return BarsOf(target).Get(); },
            [this, target](const std::string& text) { CopyThroughBox(target, text); });
    m_outputStyle = new OutputStyleMenu(*menu, m_btnBgTag, m_btnFgTag, m_options, this);
    m_pairHistoryMenu = new PairHistoryMenu(std::move(historyPath), this);
    menu->Command(ID_PAIR_HISTORY)->setMenu(m_pairHistoryMenu);
    connect(m_pairHistoryMenu, &PairHistoryMenu::pairChosen, this, &CColorPickDlg::SetPair);
    m_paste = new PasteAsColor(*this, *menu, m_editBg, m_editFg, Client());
    m_pairView = new PairView(*this, *menu, Client(), m_options, *m_pairHistoryMenu, *m_paste);
    m_additionOptions = new AdditionOptionsMenu(*this, *menu, m_options, m_eyedropper, this);
    m_palettes = new PaletteCommand(*this, *menu, m_iniPath, m_pairHistoryMenu->HistoryPath(),
                                    PaletteFolder(), this);
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

    const std::pair<QPushButton*, int> images[] = {
        {m_btnBgCopy, IDI_COPY},         {m_btnFgCopy, IDI_COPY},
        {m_btnBgPalette, IDI_PALETTE},   {m_btnFgPalette, IDI_PALETTE},
        {m_btnBgPick, IDI_PICK},         {m_btnFgPick, IDI_PICK},
        {m_btnBgRegister, IDI_REGISTER}, {m_btnFgRegister, IDI_REGISTER},
        {m_btnBgTag, IDI_TAG},           {m_btnFgTag, IDI_TAG},
    };
    for (const auto& [button, icon] : images)
        SetButtonIcon(button, icon, IDD_MAIN);

    m_barsBg.SetRange();
    m_barsFg.SetRange();
    SetColor(ColorTarget::Background, {255, 255, 255});
    SetColor(ColorTarget::Text, {0, 0, 0});

    m_exeDir = ExecutableDirectory();

    const DesignOptions design = m_options.Read();
    m_topMost = design.topMost;
    m_notation = design.notation;
    m_previewMode = design.previewMode;
    // Before the window is placed: it is centred, or kept on the screen, at its taller size.
    m_pairView->ShowOptions();
    PlaceWindow(design.x, design.y);
    if (const auto kept = m_additionOptions->Show())
        SetBars(*kept);

    GetMenu()->CheckRadioGroup(NotationItems, m_notation);
    GetMenu()->CheckRadioGroup(PreviewModeItems, m_previewMode);

    m_previewText = design.previewText;
    m_outputStyle->Show();
}

void CColorPickDlg::PlaceWindow(int x, int y)
{
    if (PlaceMainWindow(this, m_topMost, x, y))
        GetMenu()->CheckMenuItem(ID_TOPMOST, MF_CHECKED);
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
    m_pairView->PaintBand(painter, m_previewMode, Pair(), QString::fromStdString(m_previewText));
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

void CColorPickDlg::TakeColor(ColorTarget target, const Color& color)
{
    SetColor(target, color);
    RefreshColors();
}

void CColorPickDlg::SetBars(const ColorPair& pair)
{
    SetColor(ColorTarget::Background, pair.background);
    SetColor(ColorTarget::Text, pair.text);
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
    m_pairView->ShowPair({bg, fg});
    m_palettes->ShowPair({bg, fg});
}

void CColorPickDlg::ApplyColorText(ColorTarget target, const std::string& text)
{
    // A translucent CSS colour shows as it would on the page: a text colour over the background,
    // a background over white.
    const Color backdrop = target == ColorTarget::Text ? BackgroundColor() : Color{255, 255, 255};
    if (const auto color = ColorFromTypedText(text, backdrop))
        TakeColor(target, *color);
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

void CColorPickDlg::SetNotation(int notation)
{
    GetMenu()->CheckRadioGroup(NotationItems, notation);
    m_notation = notation;
    RefreshColors();
}

void CColorPickDlg::SetPreviewMode(int mode)
{
    GetMenu()->CheckRadioGroup(PreviewModeItems, mode);
    m_previewMode = mode;
    RefreshColors();
}

void CColorPickDlg::SetPair(const ColorPair& pair)
{
    SetBars(pair);
    RefreshColors();
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

void CColorPickDlg::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint clientPoint = Client()->mapFrom(this, event->pos());
    if (!Client()->rect().contains(clientPoint) || Client()->childAt(clientPoint)) {
        PickingDialog::contextMenuEvent(event);
        return;
    }
    const std::unique_ptr<QMenu> menu =
        OverPreviewBand(clientPoint) ? m_pairView->BandMenu(this) : std::make_unique<QMenu>(this);
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

std::optional<std::string> CColorPickDlg::ToolTipText(int id, QPoint clientPoint) const
{
    if (id == 0 && OverPreviewBand(clientPoint))
        return m_pairView->Readout(Pair());
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
