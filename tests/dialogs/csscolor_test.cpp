#include "app/colorpickdlg.h"
#include "dialogs/tags/gradationdlg.h"
#include "platform/editbox.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/dialogtest.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// CSS colour texts typed into the colour boxes, committed with Enter.
class CssColorBoxTest : public ::testing::Test
{
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }

    static void Type(EditBox* edit, const char* text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

TEST_F(CssColorBoxTest, MainWindowReadsCssAfterTheDesignsForms)
{
    CColorPickDlg dlg(SettingsFile(), HistoryFile());
    dlg.show();
    QApplication::processEvents();
    EditBox* background = ControlOf<EditBox>(dlg, IDC_EDIT_BG);
    EditBox* text = ControlOf<EditBox>(dlg, IDC_EDIT_FG);

    Type(background, "#abc");
    EXPECT_EQ(dlg.BackgroundColor(), (Color{170, 187, 204}));
    EXPECT_EQ(background->GetWindowText(), "#AABBCC");
    Type(text, "navy");
    EXPECT_EQ(dlg.TextColor(), (Color{0, 0, 128}));
    EXPECT_EQ(text->GetWindowText(), "#000080");
    Type(text, "orange");
    EXPECT_EQ(dlg.TextColor(), (Color{255, 165, 0}));
    // Half-transparent red: the text colour over the background, the background over white.
    Type(text, "#ff000080");
    EXPECT_EQ(dlg.TextColor(), (Color{213, 93, 102}));
    Type(background, "#ff000080");
    EXPECT_EQ(dlg.BackgroundColor(), (Color{255, 127, 127}));
    // The design's forms keep their say: a negative red changes nothing.
    Type(text, "-5,0,0");
    EXPECT_EQ(dlg.TextColor(), (Color{213, 93, 102}));
    EXPECT_EQ(text->GetWindowText(), "-5,0,0");
}

TEST_F(CssColorBoxTest, GradationColourBoxReadsCssAfterItsHashForm)
{
    CGradationTagDlg dlg(SettingsFile(), nullptr);
    dlg.m_start = {255, 255, 255};
    dlg.m_middle = {127, 127, 127};
    dlg.show();
    QApplication::processEvents();
    EditBox* box = ControlOf<EditBox>(dlg, IDC_GRAD_COLOR);
    const auto bars = [&] {
        return Color{ControlOf<ScrollBar>(dlg, IDC_GRAD_RED)->GetScrollPos(),
                     ControlOf<ScrollBar>(dlg, IDC_GRAD_GREEN)->GetScrollPos(),
                     ControlOf<ScrollBar>(dlg, IDC_GRAD_BLUE)->GetScrollPos()};
    };

    Type(box, "#abc");
    EXPECT_EQ(bars(), (Color{170, 187, 204}));
    EXPECT_EQ(box->GetWindowText(), "#AABBCC");
    Type(box, "black");
    ControlOf<QAbstractButton>(dlg, IDC_GRAD_MIDDLE)->click();
    Type(box, "navy");
    EXPECT_EQ(bars(), (Color{0, 0, 128}));
    EXPECT_EQ(box->GetWindowText(), "#000080");
    // A translucent middle colour over the preview background, now black.
    Type(box, "#ff000080");
    EXPECT_EQ(bars(), (Color{128, 0, 0}));
}

} // namespace
