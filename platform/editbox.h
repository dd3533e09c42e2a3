#pragma once

#include "res/dialogtemplate.h"

#include <QPlainTextEdit>
#include <cstddef>
#include <optional>
#include <string>

namespace tessuvo {

// The program's edit box. Multi-line boxes are one line high and take Enter as a line break,
// which the Enter commit then takes out again; Escape in them closes their window through its
// close handler rather than cancelling it. Only what the user types is held to the
// typing limit; texts the program sets are not, and raise no change notification.
class EditBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    EditBox(res::ControlStyle style, QWidget* parent = nullptr);

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // Typing limit in code-page bytes, a line break counting as the two of CR LF: typing,
    // pasting and Enter alike stop at it.
    void SetLimitText(std::size_t bytes) { m_limit = bytes; }

    // Selects characters start..end (end −1: to the end of the text).
    void SetSel(int start, int end);
    void ScrollCaret() { ensureCursorVisible(); }
    // Puts the selection on the clipboard as plain text, replacing what it held.
    void Copy() { copy(); }

    // Runs the Enter commit on this box: when the change just made was Enter at the end of
    // the first line, joins the lines, puts the caret back where Enter was pressed and
    // returns the joined text.
    std::optional<std::string> CommitOnEnter(std::size_t lineBuffer);

signals:
    // A change the user made (typing, deleting, pasting, Enter, undo).
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    // Plain text only, for every way of copying or dragging: a tag pasted into a rich editor
    // must arrive as the text it is. The rich formats would also have to be rendered again
    // when a clipboard manager takes the clipboard over at exit, after the fonts are gone.
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Sets the whole text without a change notification.
    void ReplaceText(const QString& text);
    // How much of `text` fits in the limit in place of the current selection.
    QString FitToLimit(const QString& text) const;

    bool Has(res::ControlStyle flag) const { return res::HasStyle(m_style, flag); }

    res::ControlStyle m_style;
    std::size_t m_limit = 32767; // the classic edit box's limit before one is set
    bool m_settingText = false;
};

} // namespace tessuvo
