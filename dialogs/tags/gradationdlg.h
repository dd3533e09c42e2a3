#pragma once

#include "core/color/color.h"
#include "platform/colorbars.h"
#include "platform/pickingdialog.h"
#include "tags/gradation.h"
#include "tags/outputstyle.h"

#include <QRect>
#include <memory>
#include <string>
#include <vector>

class QPushButton;

namespace tessuvo {

class EditBox;

// A short text coloured character by character from the start colour through the middle
// colour to the end colour, drawn over a background colour of its own; the tags go to the
// clipboard. Hands nothing back.
class CGradationTagDlg final : public PickingDialog
{
    Q_OBJECT

public:
    CGradationTagDlg(std::string iniPath, QWidget* parent);

    // Builds the tags from the text and the colours and repaints the preview.
    void Regenerate();

    // Set by the caller before the dialog runs.
    Color m_start;
    Color m_middle;
    Color m_end;
    OutputStyle m_outputStyle = OutputStyle::HtmlTags;

signals:
    // The tags have been put on the clipboard.
    void tagsCopied();

protected:
    void OnInitDialog() override;
    void PaintClient(QPainter& painter) override;
    std::optional<std::string> ToolTipText(int id, QPoint clientPoint) const override;
    // The preview band offers the text as one CSS gradient.
    void contextMenuEvent(QContextMenuEvent* event) override;
    Color PickContrastColor(ColorTarget target) const override;

private:
    void DoDataExchange();
    void UpdateData(bool saveAndValidate);
    void SetEditedColor(const Color& color);

    void OnHScroll(ScrollBar* bar, int code, int thumb);
    void OnSamplePalette();
    void OnStartPick();
    void OnRegisteredColors();
    void OnCopyTags();
    void OnCopyGradient();
    void CopyThroughText(const std::string& text);
    void OnEditBackground();
    void OnEditMiddle();
    void OnChangeColorEdit();
    void OnChangeText();
    void OnPasteColor();
    void OnLButtonDown(QPointF global) override;
    void OnLButtonUp() override;
    void OnRButtonDown() override;

    EditBox* m_editText = nullptr;
    QPushButton* m_btnCopyTags = nullptr;
    ScrollBar* m_sbBlue = nullptr;
    ScrollBar* m_sbGreen = nullptr;
    ScrollBar* m_sbRed = nullptr;
    EditBox* m_editColor = nullptr;
    QPushButton* m_btnRegister = nullptr;
    QPushButton* m_btnPick = nullptr;
    QPushButton* m_btnPalette = nullptr;
    ColorBars m_bars;
    std::string m_text;
    const QRect m_rcPreview{QPoint(10, 3), QPoint(239, 26)};
    ColorTarget m_editTarget = ColorTarget::Background;
    Color m_previewBg{255, 255, 255};
    std::string m_tags;
    std::vector<GradationPiece> m_pieces;
    std::string m_iniPath;
};

} // namespace tessuvo
