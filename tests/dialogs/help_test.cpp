#include "app/colorpickdlg.h"
#include "dialogs/help/htmlhelp.h"
#include "dialogtest.h"
#include "help/helppath.h"
#include "platform/menubar.h"
#include "res/resource.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

class HelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemoveSettings();
        m_main = std::make_unique<CColorPickDlg>(SettingsFile());
        m_main->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        m_main.reset();
        RemoveSettings();
    }

    void Command(int id) { m_main->GetMenu()->Command(id)->trigger(); }

    std::unique_ptr<CColorPickDlg> m_main;
};

// The version box's texts, read while it is up.
QStringList AboutTexts(QWidget* box)
{
    QStringList texts{box->windowTitle()};
    for (const QLabel* label : box->findChildren<QLabel*>())
        texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("<icon>"));
    return texts;
}

TEST_F(HelpTest, TheVersionBoxFromTheMenuTheWindowMenuAndItsCommandRange)
{
    const QStringList expected = {QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報 Tessuvo [TESSUVO]"),
                                  QStringLiteral("<icon>"),
                                  QStringLiteral("Tessuvo [TESSUVO] Version 2.1.2"),
                                  QString::fromUtf8("(C) 2026 Tessuvo 開発チーム")};
    QStringList shown;
    const auto readAndClose = [&shown](QWidget* box) {
        shown = AboutTexts(box);
        static_cast<QDialog*>(box)->accept();
    };

    WhenModal(readAndClose);
    Command(ID_APP_ABOUT);
    EXPECT_EQ(shown, expected);

    for (unsigned id : {16u, 31u}) {
        shown.clear();
        WhenModal(readAndClose);
        m_main->OnSysCommand(id, 0);
        EXPECT_EQ(shown, expected) << id;
    }

    // The background's context menu holds the window menu's version item.
    shown.clear();
    QString item;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        item = menu->actions().value(0)->text();
        WhenModal(readAndClose);
        menu->setActiveAction(menu->actions().value(0));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint background = m_main->Client()->mapTo(m_main.get(), QPoint(3, 60));
    QContextMenuEvent event(QContextMenuEvent::Mouse, background, m_main->mapToGlobal(background));
    QApplication::sendEvent(m_main.get(), &event);
    EXPECT_EQ(item, QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(Tessuvo [TESSUVO]) (&A)..."));
    EXPECT_EQ(shown, expected);
}

TEST_F(HelpTest, NoWindowMenuOverAControl)
{
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    QWidget* button = m_main->GetDlgItem(IDC_BG_COPY);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &event);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

TEST_F(HelpTest, TheHelpWindowReadsTheHelpFileAndFollowsItsLinks)
{
    const std::string file = TESSUVO_HELP_FILE;
    auto* help = qobject_cast<QTextBrowser*>(
        HtmlHelpA(m_main.get(), file + "::/index.htm", HH_DISPLAY_TOC, 0));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->parentWidget(), m_main.get()) << "closes with the main window";
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Tessuvo ヘルプ 目次"));
    help->setSource(QUrl(QStringLiteral("tags.htm")));
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("タグの生成"));
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("<FONT color=\"#ff0000\"></FONT>")));

    // The same window again, showing the one line that names the file it could not find.
    EXPECT_EQ(HtmlHelpA(m_main.get(), "/nowhere/tsvo.chm::/index.htm", HH_DISPLAY_TOC, 0), help);
    EXPECT_EQ(help->toPlainText(),
              QString::fromUtf8("ヘルプファイル /nowhere/tsvo.chm が見つかりません。"));
    EXPECT_EQ(HtmlHelpA(m_main.get(), file, 99, 0), nullptr) << "an unknown command";
}

} // namespace
