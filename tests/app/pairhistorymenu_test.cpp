#include "app/pairhistorymenu.h"
#include "collections/pairhistory.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

constexpr ColorPair Sky{{0x87, 0xCE, 0xEB}, {0x1F, 0x4E, 0x9C}};

ColorPair Nth(int n)
{
    return {{n, 0, 0}, {255, 255, 255}};
}

QAction* Item(const QList<QAction*>& items, const char* text)
{
    for (QAction* action : items)
        if (action->text() == QString::fromUtf8(text))
            return action;
    throw std::runtime_error(std::string("no item ") + text);
}

class PairHistoryMenuTest : public MainWindowFixture
{
protected:
    void TearDown() override
    {
        m_dlg.reset();
        std::error_code ignored;
        std::filesystem::permissions(HistoryFile(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
        MainWindowFixture::TearDown();
    }

    void SetPair(const ColorPair& pair)
    {
        m_dlg->ApplyColorText(ColorTarget::Background, HexCode(pair.background));
        m_dlg->ApplyColorText(ColorTarget::Text, HexCode(pair.text));
    }

    // The items of the history menu under ﾂｰﾙ, as it shows them when it opens.
    QList<QAction*> HistoryItems() const
    {
        QMenu* menu = m_dlg->GetMenu()->Command(ID_PAIR_HISTORY)->menu();
        menu->popup({0, 0});
        QApplication::processEvents();
        menu->hide();
        return menu->actions();
    }

    // Opens the preview band's context menu and hands its items to `use`.
    void WithBandMenu(const std::function<void(const QList<QAction*>&)>& use) const
    {
        WithMenuAt(OnBand, [&](QMenu& menu) { use(menu.actions()); });
    }
};

TEST_F(PairHistoryMenuTest, EveryCopyPutsThePairFirst)
{
    Open();
    const std::function<void()> copies[] = {
        [&] { Command(ID_BG_COPY); },
        [&] { ControlOf<QPushButton>(*m_dlg, IDC_FG_COPY)->click(); },
        [&] { Command(ID_BODY_TAG); },
        [&] { ControlOf<QPushButton>(*m_dlg, IDC_FG_TAG)->click(); },
        [&] { WithBandMenu([](const auto& items) { Item(items, "CSSとしてコピー")->trigger(); }); },
        [&] {
            WhenModal([](QWidget* dlg) {
                qobject_cast<TemplateDialog*>(dlg)->Control<QPushButton>(IDC_GRAD_COPY)->click();
                static_cast<QDialog*>(dlg)->reject();
            });
            Command(ID_GRADATION_TAG);
        },
    };
    int n = 1;
    for (const auto& copy : copies) {
        SetPair(Nth(n));
        copy();
        const auto history = ReadPairHistory(HistoryFile());
        EXPECT_EQ(history.size(), std::size_t(n));
        EXPECT_EQ(history.front(), Nth(n++));
    }
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

TEST_F(PairHistoryMenuTest, MenuListsThePairsAndSetsOneOrEmptiesTheList)
{
    for (int n = 12; n >= 1; --n)
        RecordPair(HistoryFile(), Nth(n));
    Open();
    const QList<QAction*> items = HistoryItems();
    ASSERT_EQ(items.size(), 14);
    EXPECT_EQ(items[0]->text().toStdString(), "&1 " + PairLabel(Nth(1)));
    EXPECT_EQ(items[9]->text().toStdString(), "&0 " + PairLabel(Nth(10)));
    EXPECT_EQ(items[10]->text().toStdString(), PairLabel(Nth(11)));
    EXPECT_TRUE(items[12]->isSeparator());
    const QImage icon = items[1]->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(icon.pixelColor(4, 8), QColor(2, 0, 0));
    EXPECT_EQ(icon.pixelColor(11, 8), QColor(255, 255, 255));

    items[1]->trigger();
    EXPECT_EQ(Pair(), Nth(2));
    EXPECT_EQ(ControlOf<EditBox>(*m_dlg, IDC_EDIT_BG)->GetWindowText(), "#020000");

    // Asked first; Enter answers No.
    for (const bool yes : {false, true}) {
        WithBandMenu([yes](const auto& items) {
            const auto history = Item(items, "最近使った組み合わせ(&H)")->menu()->actions();
            WhenModal([yes](QWidget* box) {
                auto* question = qobject_cast<QMessageBox*>(box);
                ASSERT_NE(question, nullptr);
                if (yes)
                    question->button(QMessageBox::Yes)->click();
                else
                    QTest::keyClick(question, Qt::Key_Return);
            });
            Item(history, "履歴を消去(&C)")->trigger();
        });
        EXPECT_EQ(ReadPairHistory(HistoryFile()).size(), yes ? 0u : 12u);
    }
    const QList<QAction*> emptied = HistoryItems();
    ASSERT_EQ(emptied.size(), 1);
    EXPECT_FALSE(emptied[0]->isEnabled());
}

TEST_F(PairHistoryMenuTest, CopyIsDoneWhenTheHistoryCannotBeWritten)
{
    RecordPair(HistoryFile(), Nth(1));
    std::filesystem::permissions(HistoryFile(), std::filesystem::perms::owner_read);
    Open();
    SetPair(Sky);
    Command(ID_FONT_TAG);
    EXPECT_EQ(ClipboardText(), "<FONT color=\"#1f4e9c\"></FONT>");
    EXPECT_EQ(ReadPairHistory(HistoryFile()), std::vector{Nth(1)});
}

} // namespace
