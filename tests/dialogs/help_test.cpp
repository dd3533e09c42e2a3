#include "app/colorpickdlg.h"
#include "dialogs/help/helpbrowser.h"
#include "dialogs/help/helpkey.h"
#include "dialogs/help/helpwindow.h"
#include "dialogs/help/htmlhelp.h"
#include "help/helppath.h"
#include "platform/menubar.h"
#include "res/resource.h"
#include "support/dialogtest.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string_view>

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
        m_main = std::make_unique<CColorPickDlg>(SettingsFile(), HistoryFile());
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
    // The palette button: the copy buttons have a menu of their own, of the copy formats.
    QWidget* button = m_main->GetDlgItem(IDC_BG_PALETTE);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &event);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

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

TEST_F(HelpTest, TheHelpWindowReadsTheHelpFileAndFollowsItsLinks)
{
    const std::string file = TESSUVO_HELP_FILE;
    QWidget* help = HtmlHelpA(m_main.get(), file + "::/index.htm", HH_DISPLAY_TOC, 0);
    ASSERT_NE(help, nullptr);
    auto* page = help->findChild<QTextBrowser*>();
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->parentWidget(), m_main.get()) << "closes with the main window";
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
        EXPECT_EQ(HtmlHelpA(m_main.get(), m.path, HH_DISPLAY_TOC, 0), help) << "the same window";
        EXPECT_EQ(page->toPlainText(), QString::fromUtf8(m.text));
        EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Tessuvo ヘルプ"));
    }
    EXPECT_EQ(HtmlHelpA(m_main.get(), file, 99, 0), nullptr) << "an unknown command";
    HtmlHelpA(m_main.get(), file + "::/index.htm", HH_DISPLAY_TOC, 0);
    EXPECT_EQ(help->windowTitle(), ContentsTitle) << "the file again";

    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

// F1 opens the contents from the main window and from a side dialog, as 目次 does.
TEST_F(HelpTest, F1OpensTheContentsInEveryWindow)
{
    HelpKey key(std::string(TESSUVO_HELP_FILE) + "::/index.htm");
    QApplication::instance()->installEventFilter(&key);

    QTest::keyClick(m_main->GetDlgItem(IDC_EDIT_BG), Qt::Key_F1);
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

// Stands in for chmlib, over a help file of one page, "/page.htm", whose directory entry claims
// `claimed` bytes and whose content is `text`.
struct FakeHelpFile
{
    static inline std::string text;
    static inline LONGUINT64 claimed = 0;

    static chmFile* Open(const char*) { return reinterpret_cast<chmFile*>(&text); }
    static void Close(chmFile*) {}
    static int Resolve(chmFile*, const char* path, chmUnitInfo* unit)
    {
        unit->length = claimed;
        return std::string_view(path) == "/page.htm" ? CHM_RESOLVE_SUCCESS : CHM_RESOLVE_FAILURE;
    }
    static LONGINT64 Retrieve(chmFile*, chmUnitInfo*, unsigned char* buffer, LONGUINT64 at,
                              LONGINT64 length)
    {
        const std::size_t held = at < text.size() ? text.size() - at : 0;
        const std::size_t n = std::min(held, static_cast<std::size_t>(length));
        std::copy_n(text.data() + at, n, buffer);
        return static_cast<LONGINT64>(n);
    }
};

TEST(HelpBrowserTest, ADamagedHelpFileShowsThePageAsMissing)
{
    const auto repeat = [](const std::string& text, int times) {
        std::string repeated;
        while (times-- > 0)
            repeated += text;
        return repeated;
    };
    const QString missing = QString::fromUtf8("ページ /page.htm が見つかりません。");
    struct Case
    {
        const char* name;
        std::string text;
        LONGUINT64 claimed;
        QString shown;
    };
    const Case cases[] = {
        {"a sound page", "<title>t</title><p>本文", 0, QString::fromUtf8("本文")},
        {"a page shorter than its entry claims", "<p>短い", 30000, QString::fromUtf8("短い")},
        {"an entry claiming 64 GiB", "<p>x", LONGUINT64{64} << 30, missing},
        {"5,000 nested tables", repeat("<table><tr><td>", 5000) + "x", 0, missing},
        {"20 nested tables", repeat("<table><tr><td>", 20) + "x", 0, missing},
        {"a 2 MB unbroken word", std::string(2 << 20, 'a'), 0, missing},
    };
    const ChmLibrary chm{&FakeHelpFile::Open, &FakeHelpFile::Close, &FakeHelpFile::Resolve,
                         &FakeHelpFile::Retrieve};
    for (const Case& c : cases) {
        FakeHelpFile::text = c.text;
        FakeHelpFile::claimed = c.claimed ? c.claimed : c.text.size();
        HelpBrowser browser(chm, nullptr);
        browser.ShowTopic(TESSUVO_HELP_FILE, "/page.htm");
        EXPECT_EQ(browser.toPlainText(), c.shown) << c.name;
    }
}

} // namespace
