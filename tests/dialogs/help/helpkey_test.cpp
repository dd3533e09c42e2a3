#include "dialogs/help/helpkey.h"
#include "dialogs/help/helpwindow.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

const QString ContentsTitle = QString::fromUtf8("Tessuvo ヘルプ 目次");

// The help window on the screen, if one is.
QWidget* ShownHelpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<CHelpWindow*>(window) && window->isVisible())
            return window;
    }
    return nullptr;
}

using HelpKeyTest = MainWindowFixture;

// F1 opens the contents from the main window and from a side dialog, as 目次 does.
TEST_F(HelpKeyTest, F1OpensTheContentsInEveryWindow)
{
    Open();
    HelpKey key(std::string(TESSUVO_HELP_FILE) + "::/index.htm");
    QApplication::instance()->installEventFilter(&key);

    QTest::keyClick(m_dlg->GetDlgItem(IDC_EDIT_BG), Qt::Key_F1);
    QWidget* help = ShownHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), ContentsTitle);
    help->close();

    bool ownedByTheDialog = false;
    QString title;
    WhenModal([&](QWidget* dialog) {
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        if ((help = ShownHelpWindow())) {
            ownedByTheDialog = help->parentWidget() == dialog;
            title = help->windowTitle();
        }
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(ID_FG_PALETTE);
    EXPECT_TRUE(ownedByTheDialog);
    EXPECT_EQ(title, ContentsTitle);
    EXPECT_EQ(ShownHelpWindow(), nullptr) << "gone with its dialog";
}

} // namespace
