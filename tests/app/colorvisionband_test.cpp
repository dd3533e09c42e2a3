#include "app/colorvisionband.h"
#include "app/contrastlinelabel.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QImage>
#include <QMenu>
#include <functional>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

class ColorVisionBandTest : public PairViewFixture
{
protected:
    void WithBandMenu(const std::function<void(QMenu&)>& use) const { WithMenuAt(OnBand, use); }

    void Simulate(const char* item) const
    {
        WithBandMenu([item](QMenu& menu) {
            if (QAction* sub = Item(menu, "色覚シミュレーション(&S)"))
                Item(*sub->menu(), item)->trigger();
        });
    }
};

// Red on sky blue in halves; 1型 pixels worked by hand from the published matrix.
TEST_F(ColorVisionBandTest, SimulationRedrawsTheBandAloneAndReadsTheSimulatedPair)
{
    Open("[FLG]\nCONTRASTLINE=1\nPREVIEW=1\n");
    m_dlg->ApplyColorText(ColorTarget::Background, "#FF0000");
    m_dlg->ApplyColorText(ColorTarget::Text, "#87CEEB");
    const QImage normal = Client();

    Simulate("1型（P型）(&P)");
    const QImage seen = Client();
    EXPECT_EQ(seen.pixelColor(100, 28), QColor(109, 95, 0));
    EXPECT_EQ(seen.pixelColor(200, 16), QColor(190, 203, 237));
    EXPECT_EQ(seen.pixelColor(11, 3), QColor(Qt::black)); // the mark's frame
    const QRect belowBand(0, 40, seen.width(), Line()->y() - 40);
    EXPECT_EQ(seen.copy(belowBand), normal.copy(belowBand));
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FF0000");
    EXPECT_EQ(LineText(), "2.30:1　AA ×　AAA ×　Lc -33　1型 3.94:1");
    WithBandMenu([](QMenu& menu) {
        EXPECT_EQ(menu.actions().value(0)->text().toStdString(),
                  "コントラスト比 2.30:1　AA ×　AAA ×（大きな文字 AA ×　AAA ×）　APCA Lc -33"
                  "　1型 3.94:1");
    });

    Simulate("なし(&N)");
    EXPECT_EQ(Client(), normal);
    EXPECT_EQ(LineText(), "2.30:1　AA ×　AAA ×　Lc -33");
}

} // namespace
