#include "app/copyformatmenu.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

class CopyFormatMenuTest : public MainWindowFixture
{
protected:
    QPushButton* Button(int id) const { return ControlOf<QPushButton>(*m_dlg, id); }
};

TEST_F(CopyFormatMenuTest, CopyButtonMenuListsTheColourInSixFormats)
{
    Open();
    SetColors("#FFFFFF", "#12ABFF");
    WithContextMenu(Button(IDC_FG_COPY), QPoint(2, 2), [](QMenu& menu) {
        EXPECT_EQ(MenuTexts(menu), (QStringList{"&1 #12abff", "&2 #12ABFF", "&3 rgb(18 171 255)",
                                                "&4 hsl(201.3 100% 53.5%)",
                                                "&5 oklch(0.711 0.1657 242.1)", "&6 18,171,255"}));
        menu.actions().at(4)->trigger();
    });
    EXPECT_EQ(ClipboardText(), "oklch(0.711 0.1657 242.1)");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#12ABFF");

    WithContextMenu(Button(IDC_BG_COPY), QPoint(2, 2),
                    [](QMenu& menu) { menu.actions().at(2)->trigger(); });
    EXPECT_EQ(ClipboardText(), "rgb(255 255 255)");
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FFFFFF");
}

} // namespace
