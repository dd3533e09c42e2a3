#include "collections/samplepalette.h"
#include "dialogs/collections/regcolordlg.h"
#include "dialogs/collections/samplecolordlg.h"
#include "platform/colorbutton.h"
#include "platform/editbox.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/dialogtest.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

TEST(SampleColorDlg, ChoosingWithClicksEnterAndDoubleClicks)
{
    struct Case
    {
        const char* name;
        std::vector<int> clicks;
        int end; // IDOK, IDCANCEL, Qt::Key_Return, or 0 for a double-click on the last click
        int result;
        std::optional<Color> chosen;
    };
    const Case cases[] = {
        {"選択 at once", {}, IDOK, IDOK, std::nullopt},
        {"赤 then 選択", {1003}, IDOK, IDOK, Color{255, 0, 0}},
        {"赤, 青, 選択", {1003, 1017}, IDOK, IDOK, Color{0, 0, 255}},
        {"Enter on a colour presses 選択", {1009}, Qt::Key_Return, IDOK, Color{255, 192, 203}},
        {"double-click 空", {1001}, 0, IDOK, Color{135, 206, 235}},
        {"colour then ｷｬﾝｾﾙ", {1003}, IDCANCEL, IDCANCEL, Color{255, 0, 0}},
    };
    for (const Case& c : cases) {
        CSampleColorDlg dlg(nullptr);
        WhenModal([&](QWidget*) {
            for (const int id : c.clicks)
                Click(dlg, id);
            if (c.end == 0)
                QTest::mouseDClick(ControlOf<ColorButton>(dlg, c.clicks.back()), Qt::LeftButton);
            else if (c.end == Qt::Key_Return)
                QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
            else
                Click(dlg, c.end);
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        EXPECT_EQ(dlg.Chosen(), c.chosen) << c.name;
    }
}

TEST(SampleColorDlg, EveryFaceIsTheColourItHandsBack)
{
    CSampleColorDlg dlg(nullptr);
    dlg.show();
    for (const int id : IDC_SAMPLES) {
        auto* button = ControlOf<ColorButton>(dlg, id);
        QTest::mouseClick(button, Qt::LeftButton);
        const QColor face = Face(button);
        ASSERT_TRUE(dlg.Chosen()) << id;
        EXPECT_EQ(QColor(dlg.Chosen()->red, dlg.Chosen()->green, dlg.Chosen()->blue), face) << id;
        EXPECT_FALSE(button->accessibleName().isEmpty());
    }
    EXPECT_EQ(ControlOf<ColorButton>(dlg, 1003)->accessibleName(), "赤");
}

TEST(SampleColorDlg, ArrowsMoveTheFocusAcrossTheGrid)
{
    CSampleColorDlg dlg(nullptr);
    dlg.show();
    ControlOf<ColorButton>(dlg, 1000)->setFocus(); // row 1, column 1
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 1019}, {Qt::Key_Down, 1017},
        {Qt::Key_Down, 1001},  {Qt::Key_Down, 1001}, // the last row: nowhere further down
        {Qt::Key_Left, 1018},  {Qt::Key_Up, 1016},
    };
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(dlg.focusWidget(), key);
        EXPECT_EQ(TemplateDialog::ControlId(dlg.focusWidget()), expected);
    }
}

} // namespace
