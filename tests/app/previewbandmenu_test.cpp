#include "app/previewbandmenu.h"
#include "core/colortext/notation.h"
#include "core/readability/contrast.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// The preview band's context menu, as the main window opens it over a pair.
class PreviewBandMenuTest : public MainWindowFixture
{
protected:
    void Open(const char* background = "#FFFFFF", const char* text = "#000000")
    {
        MainWindowFixture::Open();
        SetColors(background, text);
        QApplication::processEvents();
    }
    void WithBandMenu(const std::function<void(QMenu&)>& use) const { WithMenuAt(OnBand, use); }
};

TEST_F(PreviewBandMenuTest, FittingToAAMovesOnlyTheTextBars)
{
    Open("#FFFFFF", "#777777");
    WithBandMenu([](QMenu& menu) {
        EXPECT_FALSE(menu.actions().value(0)->isEnabled()); // the readout
        EXPECT_TRUE(Item(menu, "文字色をAAA(7:1)に合わせる")->isEnabled());
        Item(menu, "文字色をAA(4.5:1)に合わせる")->trigger();
    });
    const Color text = m_dlg->TextColor();
    EXPECT_GE(ContrastRatio(text, {255, 255, 255}), RatioAA);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_FG_RED)->GetScrollPos(), text.red);
    // The boxes and the readout follow at once.
    EXPECT_EQ(ControlOf<EditBox>(*m_dlg, IDC_EDIT_FG)->GetWindowText(),
              *FormatColor(NotationHtml, text));
    EXPECT_TRUE(ToolTipAt(m_dlg->Client(), OnBand).contains(QString::fromUtf8("AA ○　AAA ×（")));
}

TEST_F(PreviewBandMenuTest, FitItemsAreOffWhenPassingAndSayWhenOutOfReach)
{
    Open("#FFFFFF", "#000000");
    WithBandMenu([](QMenu& menu) {
        for (QAction* fit : menu.actions().mid(1, 5))
            EXPECT_FALSE(fit->isEnabled()) << fit->text().toStdString();
        // The window menu's version item stays reachable, after a separator.
        const QList<QAction*> items = menu.actions();
        ASSERT_GE(items.size(), 2);
        EXPECT_TRUE(items[items.size() - 2]->isSeparator());
        EXPECT_EQ(items.back()->text(),
                  QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(Tessuvo [TESSUVO]) (&A)..."));
    });
    m_dlg.reset();
    Open("#777777", "#FFFFFF"); // 4.48:1, and no grey text reaches 7:1 on mid grey
    const std::pair<const char*, bool> fits[] = {
        {"文字色をAA(4.5:1)に合わせる", true},
        {"文字色をAAA(7:1)に合わせる（届きません）", false},
        {"背景色をAA(4.5:1)に合わせる", true},
        {"背景色をAAA(7:1)に合わせる", true},
        {"文字色を大きな文字のAA(3:1)に合わせる", false},
    };
    WithBandMenu([&](QMenu& menu) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(menu.actions()[i + 1]->text(), QString::fromUtf8(fits[i].first));
            EXPECT_EQ(menu.actions()[i + 1]->isEnabled(), fits[i].second) << fits[i].first;
        }
        Item(menu, "背景色をAAA(7:1)に合わせる")->trigger();
    });
    EXPECT_GE(ContrastRatio(m_dlg->BackgroundColor(), {255, 255, 255}), RatioAAA);
    EXPECT_EQ(m_dlg->TextColor(), (Color{255, 255, 255}));
    WithMenuAt(OffBand, [](QMenu& menu) { EXPECT_EQ(menu.actions().size(), 1); });
}

TEST_F(PreviewBandMenuTest, CssCopyIsExactlyTheTwoDeclarationsAsPlainText)
{
    Open("#FFFFFF", "#12ABEF");
    WithBandMenu([](QMenu& menu) { Item(menu, "CSSとしてコピー")->trigger(); });
    EXPECT_EQ(ClipboardText(), "color: #12abef; background-color: #ffffff;");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
}

TEST_F(PreviewBandMenuTest, BandMenuCopiesCssVariables)
{
    Open("#010203", "#ABCDEF");
    WithBandMenu([](QMenu& menu) { Item(menu, "CSS変数としてコピー(&P)")->trigger(); });
    EXPECT_EQ(ClipboardText(), ":root { --background-color: #010203; --text-color: #abcdef; }");
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#010203");
}

TEST_F(PreviewBandMenuTest, MenuItemsComeAfterTheDesignsOwn)
{
    Open();
    const std::tuple<int, int, const char*> items[] = {
        {ID_CONTRAST_LINE, ID_TOPMOST, "コントラストを表示(&R)"},
        {ID_SWAP_COLORS, ID_GRADATION_TAG, "背景色と文字色を入れ替える(&W)"}};
    for (const auto& [command, designLast, text] : items) {
        QAction* item = m_dlg->GetMenu()->Command(command);
        EXPECT_EQ(item->text().toStdString(), text);
        const auto menu = qobject_cast<QMenu*>(item->associatedObjects().value(0))->actions();
        EXPECT_GT(menu.indexOf(item), menu.indexOf(m_dlg->GetMenu()->Command(designLast)));
    }

    WithBandMenu([](QMenu& menu) {
        QStringList texts, marked;
        for (QAction* action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        EXPECT_EQ(texts.mid(texts.indexOf(QString::fromUtf8("CSSとしてコピー")) + 1, 3),
                  (QStringList{"-", QString::fromUtf8("背景色と文字色を入れ替える(&W)"),
                               QString::fromUtf8("色覚シミュレーション(&S)")}));
        texts.clear();
        for (QAction* action : Item(menu, "色覚シミュレーション(&S)")->menu()->actions()) {
            texts << action->text();
            if (action->isChecked())
                marked << action->text();
        }
        EXPECT_EQ(texts.join(' ').toStdString(),
                  "なし(&N) 1型（P型）(&P) 2型（D型）(&D) 3型（T型）(&T) 1色覚(&A)");
        EXPECT_EQ(marked, QStringList{QString::fromUtf8("なし(&N)")});
    });
}

} // namespace
