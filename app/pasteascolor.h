#pragma once

#include "core/color/color.h"

#include <QObject>
#include <optional>

namespace tessuvo {

class EditBox;
class MenuBar;
class PairWindow;

// The main window's "色として貼り付け(&V)": Ctrl+Shift+V in "ﾂｰﾙ(&T)" pastes into the colour box
// that has the focus, or, with the focus elsewhere, as on the preview band, where the text
// decides which colour it sets. Each colour box offers it in its context menu too.
class PasteAsColor final : public QObject
{
    Q_OBJECT

public:
    PasteAsColor(PairWindow& window, MenuBar& menu, EditBox* background, EditBox* text,
                 QWidget* client);

    // Sets what the clipboard's text gives: into the box of `into`, or on the band for nothing.
    void Paste(std::optional<ColorTarget> into);

private:
    void OnPasteAsColor();

    PairWindow& m_window;
    EditBox* m_background;
    EditBox* m_text;
    QWidget* m_client;
};

} // namespace tessuvo
