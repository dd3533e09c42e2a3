#pragma once

#include "core/color/color.h"
#include "core/color/colorpair.h"
#include "pairwindow.h"
#include "platform/colorbars.h"
#include "platform/pickingdialog.h"
#include "settings/windowoptions.h"

#include <QIcon>
#include <string>

class QPushButton;

namespace tessuvo {

class AdditionOptionsMenu;
class EditBox;
class OutputStyleMenu;
class PairHistoryMenu;
class PairView;
class PaletteCommand;
class PasteAsColor;
class ScrollBar;

// The main colour window: the background and text colour, held by six scroll bars.
class CColorPickDlg final : public PickingDialog, private PairWindow
{
    Q_OBJECT

public:
    // `iniPath` is the settings file and `historyPath` the history of pairs, both chosen once
    // at start.
    CColorPickDlg(std::string iniPath, std::string historyPath, QWidget* parent = nullptr);

    // Writes both edit texts in the current notation and repaints the preview band.
    void RefreshColors() override;
    // Sets the colour of `target` from a typed text, if it is a colour text.
    void ApplyColorText(ColorTarget target, const std::string& text);

    Color BackgroundColor() const;
    Color TextColor() const;
    ColorPair Pair() const override;

    // A command of the window menu; the low four bits of `id` are the platform's own.
    void OnSysCommand(unsigned id, long param);

protected:
    void OnInitDialog() override;
    void PaintClient(QPainter& painter) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Every way of leaving, the close handling's and Escape's, ends here.
    void done(int result) override;
    // The window menu's version item, offered on the background: the window manager owns the
    // window menu itself.
    void contextMenuEvent(QContextMenuEvent* event) override;
    std::optional<std::string> ToolTipText(int id, QPoint clientPoint) const override;
    int PickNotation() const override { return m_notation; }
    Color PickContrastColor(ColorTarget target) const override;

private:
    void DoDataExchange();
    void UpdateData(bool saveAndValidate);
    void PlaceWindow(int x, int y);
    void SetColor(ColorTarget target, const Color& color);
    // Sets one colour through its bars, then refreshes.
    void TakeColor(ColorTarget target, const Color& color);
    void SetBars(const ColorPair& pair);
    const ColorBars& BarsOf(ColorTarget target) const;

    void OnHScroll(ScrollBar* bar, int code, int thumb);
    void OnChangeEditBg();
    void OnChangeEditFg();
    void OnNotationDecimal();
    void OnNotationHex();
    void OnNotationHtml();
    void OnPreviewModeText();
    void OnPreviewModeSides();
    void OnTopMost();
    void OnExit();
    void OnBodyTag();
    void OnFontTag();
    void OnClose();
    void OnBgCopy();
    void OnFgCopy();
    void OnBgPalette();
    void OnFgPalette();
    void OnBgRegister();
    void OnFgRegister();
    void OnBgPick();
    void OnFgPick();
    void OnLButtonDown(QPointF global) override;
    void OnLButtonUp() override;
    void OnRButtonDown() override;
    void OnGradationTag();
    void OnPreviewTextSettings();
    void OnAppAbout();
    void OnHelpContents();
    bool OverPreviewBand(QPoint clientPoint) const;
    void CopyThroughBox(ColorTarget target, const std::string& text) override;
    void SetPair(const ColorPair& pair) override;
    // Puts the pair of this moment first in the history: done after every copy.
    void RememberPair();

    void SetNotation(int notation);
    void SetPreviewMode(int mode);
    void CopyThroughEdit(EditBox* edit);
    void StartPick(ColorTarget target);
    void ChooseFromPalette(ColorTarget target);
    void ChooseFromRegistered(ColorTarget target);

    QPushButton* m_btnFgCopy = nullptr;
    QPushButton* m_btnFgTag = nullptr;
    QPushButton* m_btnBgTag = nullptr;
    QPushButton* m_btnFgRegister = nullptr;
    QPushButton* m_btnBgRegister = nullptr;
    QPushButton* m_btnFgPick = nullptr;
    QPushButton* m_btnBgPick = nullptr;
    QPushButton* m_btnFgPalette = nullptr;
    QPushButton* m_btnBgPalette = nullptr;
    EditBox* m_editFg = nullptr;
    EditBox* m_editBg = nullptr;
    QPushButton* m_btnBgCopy = nullptr;
    ScrollBar* m_sbFgBlue = nullptr;
    ScrollBar* m_sbFgGreen = nullptr;
    ScrollBar* m_sbFgRed = nullptr;
    ScrollBar* m_sbBgBlue = nullptr;
    ScrollBar* m_sbBgGreen = nullptr;
    ScrollBar* m_sbBgRed = nullptr;
    ColorBars m_barsBg;
    ColorBars m_barsFg;
    std::string m_strBg;
    std::string m_strFg;
    QIcon m_hIcon;
    int m_topMost = 0;
    int m_previewMode = 0;
    int m_notation = 0;
    // The bars hold a colour that the texts and the preview show only from the next repaint.
    bool m_colorsStale = false;
    PairHistoryMenu* m_pairHistoryMenu = nullptr;
    std::string m_exeDir;
    const std::string m_iniPath;
    std::string m_previewText;
    WindowOptions m_options;
    OutputStyleMenu* m_outputStyle = nullptr;
    PasteAsColor* m_paste = nullptr;
    PairView* m_pairView = nullptr;
    AdditionOptionsMenu* m_additionOptions = nullptr;
    PaletteCommand* m_palettes = nullptr;
};

} // namespace tessuvo
