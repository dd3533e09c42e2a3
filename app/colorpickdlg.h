#pragma once

#include "core/color/color.h"
#include "core/color/colorpair.h"
#include "core/colortext/pastedtext.h"
#include "core/readability/colorvision.h"
#include "platform/colorbars.h"
#include "platform/pickingdialog.h"
#include "tags/outputstyle.h"

#include <QIcon>
#include <memory>
#include <span>
#include <string>
#include <utility>

class QMenu;
class QPushButton;

namespace tessuvo {

class ContrastLineLabel;
class EditBox;
class PairHistoryMenu;
class ScrollBar;

// The main colour window: the background and text colour, held by six scroll bars.
class CColorPickDlg final : public PickingDialog
{
    Q_OBJECT

public:
    // `iniPath` is the settings file, chosen once at start.
    explicit CColorPickDlg(std::string iniPath, QWidget* parent = nullptr);

    // Writes both edit texts in the current notation and repaints the preview band.
    void RefreshColors();
    // Sets the colour of `target` from a typed text, if it is a colour text.
    void ApplyColorText(ColorTarget target, const std::string& text);

    Color BackgroundColor() const;
    Color TextColor() const;

    // A command of the window menu; the low four bits of `id` are the platform's own.
    void OnSysCommand(unsigned id, long param);

protected:
    void OnInitDialog() override;
    void PaintClient(QPainter& painter) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
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
    void AddContrastItems(QMenu& menu);
    void OnFitTextColor(const Color& color);
    void OnCopyCss();
    void OnContrastLine();
    void OnSwapColors();
    void SetColorVision(ColorVision vision);
    std::string ContrastReadout() const;
    void OnOutputHtml();
    void OnOutputCss();
    void SetOutputStyle(OutputStyle style);
    void OnCopyCssVariables();
    void OnPasteColor(std::optional<ColorTarget> into, QWidget* at, QRect area);
    void CopyThroughBox(ColorTarget target, const std::string& text);
    void OnKeepColors();
    void OnChoosePair(const ColorPair& pair);
    // Puts the pair of this moment first in the history: done after every copy.
    void RememberPair();

    void SetNotation(int notation);
    void SetPreviewMode(int mode);
    void CheckRadioGroup(std::span<const std::pair<int, int>> items, int value);
    void OnPickArea(int area);
    void CopyThroughEdit(EditBox* edit);
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
    bool m_keepColors = false;
    PairHistoryMenu* m_pairHistoryMenu = nullptr;
    int m_pickAreaRead = DefaultPickArea; // as the settings file had it
    std::string m_exeDir;
    const std::string m_iniPath;
    std::string m_previewText;
    ContrastLineLabel* m_contrastLine = nullptr;
    bool m_contrastLineShown = false;
    // As the settings file had it: the key is written only when the user changed it.
    bool m_contrastLineLoaded = false;
    // A view for this run only, never saved and never in what is copied.
    ColorVision m_colorVision = ColorVision::Normal;
    OutputStyle m_outputStyle = OutputStyle::HtmlTags;
    // Written back only once chosen, so that a file without the key stays as it was.
    bool m_outputChosen = false;
};

} // namespace tessuvo
