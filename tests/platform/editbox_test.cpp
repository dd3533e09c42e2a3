#include "platform/editbox.h"
#include "support/dialogtest.h"

#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::test;
using res::ControlStyle;

namespace {

enum class Entry
{
    Typed,
    Pasted,
    Composed, // committed by an input method
};

void Enter(EditBox& edit, Entry entry, const QString& text)
{
    switch (entry) {
    case Entry::Typed:
        TypeText(&edit, text);
        break;
    case Entry::Pasted:
        QApplication::clipboard()->setText(text);
        edit.paste();
        break;
    case Entry::Composed: {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(&edit, &event);
        break;
    }
    }
}

TEST(EditBoxTest, TheLimitCountsCodePageBytesHoweverTheTextArrives)
{
    constexpr ControlStyle Multi = ControlStyle::Multiline;
    const struct
    {
        Entry entry;
        ControlStyle style;
        const char* input;
        const char* expected;
    } cases[] = {
        {Entry::Typed, Multi, "ｱｲｳ", "ｱｲｳ"},
        {Entry::Typed, Multi, "あいう", "あいう"},
        {Entry::Typed, Multi, "ｶﾅ漢字ABC12345", "ｶﾅ漢字ABC1234"},
        {Entry::Typed, Multi, "あいうえおかき", "あいうえおか"},
        {Entry::Typed, Multi, "ABCDEFGHIJKLあZ", "ABCDEFGHIJKLZ"}, // each key on its own
        {Entry::Pasted, Multi, "ｶﾅ漢字ABC12345", "ｶﾅ漢字ABC1234"},
        {Entry::Pasted, Multi, "あいうえおかき", "あいうえおか"},
        {Entry::Pasted, Multi, "ABCDEFGHIJKLあZ", "ABCDEFGHIJKL"}, // cut where it first overflows
        {Entry::Composed, Multi, "あいう", "あいう"},
        {Entry::Composed, Multi, "ｶﾅ漢字ABC12345", "ｶﾅ漢字ABC1234"},
        {Entry::Composed, Multi, "あいうえおかき", "あいうえおか"},
        {Entry::Typed, Multi | ControlStyle::UpperCase, "#ff80ab", "#FF80AB"},
        {Entry::Pasted, Multi | ControlStyle::UpperCase, "#ff80ab", "#FF80AB"},
        {Entry::Composed, Multi | ControlStyle::UpperCase, "#ff80ab", "#FF80AB"},
        {Entry::Pasted, Multi, "12\n34\r\n56", "12\n34\n56"},
        {Entry::Pasted, ControlStyle::None, "12\n34\r\n56", "12 34 56"},
        {Entry::Pasted, Multi, "ABCDEFGHIJK\nMN", "ABCDEFGHIJK\n"}, // a break takes two
        {Entry::Pasted, ControlStyle::None, "ABCDEFGHIJKL\nMN", "ABCDEFGHIJKL "},
    };
    for (const auto& c : cases) {
        EditBox edit(c.style);
        edit.SetLimitText(13);
        Enter(edit, c.entry, QString::fromUtf8(c.input));
        EXPECT_EQ(edit.GetWindowText(), c.expected)
            << static_cast<int>(c.entry) << " " << static_cast<unsigned>(c.style) << " " << c.input;
    }
}

std::string Repeated(std::string_view piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// A line break takes the two bytes of CR LF from the limit, typed or pasted; a huge paste is cut
// to what fits before it is inserted.
TEST(EditBoxTest, ALineBreakTakesTwoBytesOfTheLimit)
{
    const struct
    {
        std::size_t limit;
        const char* before;
        int selStart, selEnd;
        std::string pasted; // empty: Enter is pressed
        std::string after;
    } cases[] = {
        {13, "255,255,255", 11, 11, "", "255,255,255\n"},
        {13, "255,255,255,", 12, 12, "", "255,255,255,"},
        {13, "ABCDEFGHIJKLM", 0, -1, "", "\n"}, // the selection's room
        {13, "", 0, 0, Repeated("\r\n", 1000), std::string(6, '\n')},
        {1024, "", 0, 0, std::string(1 << 20, '\n'), std::string(512, '\n')},
        {1024, "a", 1, 1, std::string(1 << 20, '\n'), "a" + std::string(511, '\n')},
    };
    for (const auto& c : cases) {
        EditBox edit(ControlStyle::Multiline);
        edit.SetLimitText(c.limit);
        edit.SetWindowText(c.before);
        edit.SetSel(c.selStart, c.selEnd);
        if (c.pasted.empty()) {
            QTest::keyClick(&edit, Qt::Key_Return);
        } else {
            QApplication::clipboard()->setText(QString::fromStdString(c.pasted));
            edit.paste();
        }
        const std::string text = edit.GetWindowText();
        EXPECT_EQ(text.size(), c.after.size()) << c.before << " " << c.pasted.size();
        EXPECT_TRUE(text == c.after) << c.before << " " << c.pasted.size();
    }
}

TEST(EditBoxTest, ShortcutsCarryingALetterInsertNothing)
{
    EditBox edit(ControlStyle::Multiline | ControlStyle::UpperCase);
    edit.SetLimitText(13);
    edit.SetWindowText("ABCDEFGHIJKLM"); // full: a typed letter would be refused
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "a");
    QApplication::sendEvent(&edit, &selectAll);
    EXPECT_EQ(edit.textCursor().selectedText(), "ABCDEFGHIJKLM");
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
    QApplication::sendEvent(&edit, &copy);
    EXPECT_EQ(edit.GetWindowText(), "ABCDEFGHIJKLM");
    EXPECT_EQ(ClipboardText(), "ABCDEFGHIJKLM");
}

TEST(EditBoxTest, TextTheProgramSetsIsNotLimitedButTypingIntoItIs)
{
    EditBox edit(ControlStyle::Multiline);
    edit.SetLimitText(13);
    edit.SetWindowText("255,255,255 背景");
    EXPECT_EQ(edit.GetWindowText(), "255,255,255 背景");
    edit.moveCursor(QTextCursor::End);
    TypeText(&edit, QStringLiteral("1"));
    EXPECT_EQ(edit.GetWindowText(), "255,255,255 背景");
    edit.SetSel(0, 4); // typing over a selection has the selection's room
    TypeText(&edit, QStringLiteral("#"));
    EXPECT_EQ(edit.GetWindowText(), "#255,255 背景");
}

TEST(EditBoxTest, CopyingPutsPlainTextOnly)
{
    for (const bool shortcut : {false, true}) {
        EditBox edit(ControlStyle::Multiline);
        edit.SetWindowText("<FONT color=\"#ff8000\">");
        edit.SetSel(0, -1);
        QApplication::clipboard()->clear();
        if (shortcut)
            QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        else
            edit.Copy();
        const QMimeData* data = QApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")}) << shortcut;
        EXPECT_EQ(ClipboardText(), "<FONT color=\"#ff8000\">") << shortcut;
    }
}

TEST(EditBoxTest, ContextMenuSpeaksJapanese)
{
    EditBox edit(ControlStyle::Multiline);
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    const QString all = texts.join(QLatin1Char('|'));
    EXPECT_FALSE(all.contains(QLatin1String("Copy"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("コピー"))) << all.toStdString();
}

} // namespace
