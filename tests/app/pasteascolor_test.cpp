#include "app/pasteascolor.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <functional>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

void SetClipboard(const char* text)
{
    QApplication::clipboard()->setText(QString::fromUtf8(text));
}

class PasteAsColorTest : public MainWindowFixture
{
protected:
    void OnBandMenu(const std::function<void(QMenu&)>& use) const { WithMenuAt(OnBand, use); }
    void OnBoxMenu(int id, const std::function<void(QMenu&)>& use) const
    {
        WithContextMenu(Edit(id)->viewport(), QPoint(4, 4), use);
    }
    void PasteIntoBox(int id) const
    {
        OnBoxMenu(id, [](QMenu& menu) { Item(menu, "色として貼り付け(&V)")->trigger(); });
    }
};

TEST_F(PasteAsColorTest, PasteAsColourSetsBothOrOneByWhereItWasPasted)
{
    Open();
    OnBoxMenu(IDC_EDIT_FG, [](QMenu& menu) {
        // Qt's own items first, then a separator and the command.
        const QList<QAction*> items = menu.actions();
        ASSERT_GE(items.size(), 4);
        EXPECT_TRUE(items[items.size() - 2]->isSeparator());
        EXPECT_EQ(items.back()->text(), "色として貼り付け(&V)");
    });

    SetClipboard("body {\n  background-color: #1e3a5f;\n  color: white;\n}\n");
    PasteIntoBox(IDC_EDIT_FG);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{0x1e, 0x3a, 0x5f}));
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_FG_GREEN)->GetScrollPos(), 255);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#1E3A5F");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#FFFFFF");

    SetClipboard("color: navy;");
    PasteIntoBox(IDC_EDIT_BG);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#000080");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#FFFFFF");
    // On the band a colour declaration goes to the text colour, and the note says so.
    OnBandMenu([](QMenu& menu) { Item(menu, "色として貼り付け(&V)")->trigger(); });
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000080");
    const auto* note = m_dlg->Client()->findChild<QLabel*>("pasteColorNote");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->text().toStdString(), "文字色だけを設定しました");

    // Ctrl+Shift+V in ﾂｰﾙ: into the box with the focus.
    SetClipboard("RebeccaPurple");
    Edit(IDC_EDIT_BG)->setFocus();
    m_dlg->GetMenu()->Command(ID_PASTE_AS_COLOR)->trigger();
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#663399");
    EXPECT_EQ(m_dlg->GetMenu()->Command(ID_PASTE_AS_COLOR)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
}

TEST_F(PasteAsColorTest, PasteWithoutAColourShowsANoteAndChangesNothing)
{
    Open();
    SetClipboard("Hi, there");
    PasteIntoBox(IDC_EDIT_BG);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FFFFFF");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000000");
    const auto* note = Edit(IDC_EDIT_BG)->findChild<QLabel*>();
    ASSERT_TRUE(note);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->windowFlags().testFlag(Qt::ToolTip));
    // It lies over the buttons under the box and lets their clicks through.
    EXPECT_TRUE(note->windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_EQ(note->text(), "色が見つかりません");
    EXPECT_GE(note->geometry().top(), Edit(IDC_EDIT_BG)->mapToGlobal(QPoint(0, 0)).y());
}

} // namespace
