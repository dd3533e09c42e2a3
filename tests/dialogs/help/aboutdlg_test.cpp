#include "dialogs/help/aboutdlg.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

using AboutBoxTest = MainWindowFixture;

// The version box's texts, read while it is up.
QStringList AboutTexts(QWidget* box)
{
    QStringList texts{box->windowTitle()};
    for (const QLabel* label : box->findChildren<QLabel*>())
        texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("<icon>"));
    return texts;
}

TEST_F(AboutBoxTest, TheVersionBoxFromTheMenuTheWindowMenuAndItsCommandRange)
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

    Open();
    WhenModal(readAndClose);
    Command(ID_APP_ABOUT);
    EXPECT_EQ(shown, expected);

    for (unsigned id : {16u, 31u}) {
        shown.clear();
        WhenModal(readAndClose);
        m_dlg->OnSysCommand(id, 0);
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
    const QPoint background = m_dlg->Client()->mapTo(m_dlg.get(), QPoint(3, 60));
    QContextMenuEvent event(QContextMenuEvent::Mouse, background, m_dlg->mapToGlobal(background));
    QApplication::sendEvent(m_dlg.get(), &event);
    EXPECT_EQ(item, QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(Tessuvo [TESSUVO]) (&A)..."));
    EXPECT_EQ(shown, expected);
}

} // namespace
