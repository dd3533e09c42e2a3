#include "dialogs/help/helpwindow.h"
#include "dialogs/help/htmlhelp.h"
#include "support/dialogtest.h"

#include <QDialog>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

const QString ContentsTitle = QString::fromUtf8("Tessuvo ヘルプ 目次");

TEST(HelpWindowTest, TheHelpWindowReadsTheHelpFileAndFollowsItsLinks)
{
    QDialog owner;
    const std::string file = TESSUVO_HELP_FILE;
    QWidget* help = HtmlHelpA(&owner, file + "::/index.htm", HH_DISPLAY_TOC, 0);
    ASSERT_NE(help, nullptr);
    auto* page = help->findChild<QTextBrowser*>();
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->parentWidget(), &owner) << "closes with the window that asked";
    EXPECT_EQ(help->windowTitle(), ContentsTitle);
    page->setSource(QUrl(QStringLiteral("tags.htm")));
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("タグの生成"));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("<FONT color=\"#ff0000\"></FONT>")));

    // Back, with the toolbar's button or Alt+Left.
    QAction* back = help->findChild<QToolBar*>()->actions().value(0);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), QString::fromUtf8("戻る"));
    back->trigger();
    EXPECT_EQ(help->windowTitle(), ContentsTitle);
    EXPECT_FALSE(back->isEnabled()) << "nowhere further back";
    page->setSource(QUrl(QStringLiteral("colors.htm")));
    QTest::keyClick(page, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(help->windowTitle(), ContentsTitle);

    // A page or a file that is not there: one line, under the help file's own title.
    const struct
    {
        std::string path;
        const char* text;
    } missing[] = {
        {file + "::/nowhere.htm", "ページ /nowhere.htm が見つかりません。"},
        {"/nowhere/tsvo.chm::/index.htm", "ヘルプファイル /nowhere/tsvo.chm が見つかりません。"},
    };
    for (const auto& m : missing) {
        EXPECT_EQ(HtmlHelpA(&owner, m.path, HH_DISPLAY_TOC, 0), help) << "the same window";
        EXPECT_EQ(page->toPlainText(), QString::fromUtf8(m.text));
        EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Tessuvo ヘルプ"));
    }
    EXPECT_EQ(HtmlHelpA(&owner, file, 99, 0), nullptr) << "an unknown command";
    HtmlHelpA(&owner, file + "::/index.htm", HH_DISPLAY_TOC, 0);
    EXPECT_EQ(help->windowTitle(), ContentsTitle) << "the file again";

    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

} // namespace
