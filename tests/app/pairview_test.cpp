#include "app/pairview.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QMenu>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

using PairViewTest = MainWindowFixture;

TEST_F(PairViewTest, SwapTradesTheColoursThroughTheBars)
{
    Open();
    SetColors("#12ABEF", "#FF8000");
    Command(ID_SWAP_COLORS);
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_BG_RED)->GetScrollPos(), 255);
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_FG_BLUE)->GetScrollPos(), 0xEF);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FF8000");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#12ABEF");
    EXPECT_EQ(m_dlg->Client()->grab().toImage().pixelColor(255, 30),
              QColor(255, 128, 0)); // the band, beside the text

    WithMenuAt(OnBand,
               [](QMenu& menu) { Item(menu, "背景色と文字色を入れ替える(&W)")->trigger(); });
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{0x12, 0xAB, 0xEF}));
    EXPECT_EQ(m_dlg->TextColor(), (Color{255, 128, 0}));
}

} // namespace
