#include "editbox.h"

#include "core/textbox/codepage.h"
#include "core/textbox/entercommit.h"
#include "res/dialogtemplate.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <algorithm>

namespace tessuvo {

namespace {

// The text with every kind of line break as "\n": a selection holds the document's breaks as
// paragraph separators, and Shift+Enter inserts a line separator.
std::string WithPlainBreaks(const QString& text)
{
    QString plain = text;
    plain.replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
    return plain.toStdString();
}

std::size_t LimitLength(const QString& text)
{
    return Cp932Length(WithPlainBreaks(text), LineBreak::CrLf);
}

bool IsLineBreak(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

EditBox::EditBox(res::ControlStyle style, QWidget* parent) : QPlainTextEdit(parent), m_style(style)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(NoWrap);
    setTabChangesFocus(true);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    document()->setDocumentMargin(1);
    setFocusPolicy(HasStyle(style, res::ControlStyle::TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText)
            emit changed();
    });
}

void EditBox::SetWindowText(const std::string& text)
{
    QString q = QString::fromStdString(text);
    if (Has(res::ControlStyle::UpperCase))
        q = q.toUpper();
    ReplaceText(q);
    moveCursor(QTextCursor::Start);
    horizontalScrollBar()->setValue(0);
}

void EditBox::ReplaceText(const QString& text)
{
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
}

std::string EditBox::GetWindowText() const
{
    return toPlainText().toStdString();
}

void EditBox::SetSel(int start, int end)
{
    const int length = document()->characterCount() - 1;
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, start, length));
    cursor.setPosition(end < 0 ? length : qBound(0, end, length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

std::optional<std::string> EditBox::CommitOnEnter(std::size_t lineBuffer)
{
    const QString text = toPlainText();
    const std::size_t caret = text.left(textCursor().position()).toUtf8().size();
    const auto commit = tessuvo::CommitOnEnter(text.toStdString(), caret, lineBuffer);
    if (!commit)
        return std::nullopt;
    ReplaceText(QString::fromStdString(commit->text));
    const int position =
        QString::fromUtf8(commit->text.data(), static_cast<qsizetype>(commit->caret)).size();
    SetSel(position, position);
    ScrollCaret();
    return commit->text;
}

QString EditBox::FitToLimit(const QString& text) const
{
    const std::size_t used = LimitLength(toPlainText()) - LimitLength(textCursor().selectedText());
    const std::size_t room = used < m_limit ? m_limit - used : 0;
    // No character takes less than a byte, so a huge paste is cut to `room` characters before
    // anything else is done with it.
    QString head = text.left(static_cast<qsizetype>(std::min<std::size_t>(room, text.size())));
    if (!head.isEmpty() && head.back().isHighSurrogate())
        head.chop(1);
    const std::string utf8 = WithPlainBreaks(head);
    return QString::fromUtf8(utf8.data(),
                             static_cast<qsizetype>(Cp932Prefix(utf8, room, LineBreak::CrLf)));
}

void EditBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        Has(res::ControlStyle::Multiline)) {
        // A multi-line box keeps Escape from becoming the dialog's Cancel: it asks its
        // window to close instead, as the close box does, so the window's close handler runs.
        window()->close();
        return;
    }
    if (IsLineBreak(event) && !Has(res::ControlStyle::Multiline)) {
        event->ignore(); // a one-line box leaves Enter to the dialog
        return;
    }
    if (IsLineBreak(event) && FitToLimit(QStringLiteral("\n")).isEmpty()) {
        QApplication::beep(); // no room for the two bytes of a line break
        return;
    }
    const QString text = event->text();
    // Shortcuts (Ctrl+C, Ctrl+A) may carry a letter as their text; they insert nothing.
    const bool shortcut =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool inserts =
        !shortcut && !text.isEmpty() && text.at(0).isPrint() && !IsLineBreak(event);
    if (inserts) {
        const QString typed = Has(res::ControlStyle::UpperCase) ? text.toUpper() : text;
        const QString fitted = FitToLimit(typed);
        if (fitted.isEmpty()) {
            QApplication::beep();
            return;
        }
        if (fitted != text) {
            insertPlainText(fitted);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed =
        Has(res::ControlStyle::UpperCase) ? event->commitString().toUpper() : event->commitString();
    const QString fitted = FitToLimit(committed);
    if (fitted != event->commitString()) {
        QInputMethodEvent limited(event->preeditString(), event->attributes());
        limited.setCommitString(fitted, event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&limited);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

QMimeData* EditBox::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText());
    return data;
}

void EditBox::insertFromMimeData(const QMimeData* source)
{
    QString text = source->text();
    text.remove(QLatin1Char('\r'));
    if (!Has(res::ControlStyle::Multiline))
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (Has(res::ControlStyle::UpperCase))
        text = text.toUpper();
    insertPlainText(FitToLimit(text));
}

} // namespace tessuvo
