#include "platform/editbox.h"
#include "platform/scrollbar.h"
#include "platform/templatedialog.h"
#include "res/resource.h"
#include "support/dialogtest.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// A dialog asked for by an id that no template has ends the program naming that id, in every
// build type, where building it would read through a null template.
TEST(TemplateDialogDeathTest, AMissingTemplateEndsTheProgramNamingItsId)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(TemplateDialog(4242), "no dialog template 4242");
}

TEST(TemplateDialog, GroupBoxListedLastTakesNoClicks)
{
    TemplateDialog dlg(IDD_GRADATION);
    dlg.show();
    auto* bar = ControlOf<ScrollBar>(dlg, IDC_GRAD_GREEN);
    auto* palette = ControlOf<QPushButton>(dlg, IDC_GRAD_PALETTE);
    for (QWidget* control : {static_cast<QWidget*>(bar), static_cast<QWidget*>(palette)})
        EXPECT_EQ(dlg.Client()->childAt(control->geometry().center()), control);

    // Clicks delivered through the window, as the mouse delivers them.
    int codes = 0, presses = 0;
    QObject::connect(bar, &ScrollBar::scrolled, [&codes](int, int) { ++codes; });
    QObject::connect(palette, &QPushButton::clicked, [&presses] { ++presses; });
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                      bar->mapTo(&dlg, QPoint(bar->width() - 3, bar->height() / 2)));
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                      palette->mapTo(&dlg, palette->rect().center()));
    EXPECT_GT(codes, 0);
    EXPECT_EQ(presses, 1);
}

TEST(TemplateDialog, EscapeInAMultiLineBoxClosesTheSideDialogAsCancel)
{
    // The multi-line colour box asks the dialog to close; the one-line text box leaves Escape
    // to the dialog's Cancel. Either way a side dialog ends with IDCANCEL.
    for (const auto& [id, closeRequests] :
         {std::pair{IDC_GRAD_COLOR, 1}, std::pair{IDC_GRAD_TEXT, 0}}) {
        TemplateDialog dlg(IDD_GRADATION);
        int closes = 0;
        struct CloseCounter : QObject
        {
            int& count;
            explicit CloseCounter(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                count += event->type() == QEvent::Close;
                return false;
            }
        } counter(closes);
        dlg.installEventFilter(&counter);
        WhenModal([&dlg, id = id](QWidget*) {
            QTest::keyClick(ControlOf<EditBox>(dlg, id), Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << id;
        EXPECT_EQ(closes, closeRequests) << id;
    }
}

} // namespace
