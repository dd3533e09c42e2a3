#include "core/textbox/scrollcodes.h"
#include "platform/scrollbar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace tessuvo;

namespace {

constexpr int Dismiss = -1;

class ScrollBarMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_bar.SetScrollRange(ScrollMin, ScrollMax);
        m_bar.resize(200, 17);
        QObject::connect(&m_bar, &ScrollBar::scrolled, [this](int code, int thumb) {
            m_codes.push_back(code);
            if (code == SB_THUMBPOSITION)
                m_thumb = thumb;
            if (m_follow)
                m_bar.SetScrollPos(ScrolledPosition(code, m_bar.GetScrollPos(), thumb));
        });
    }

    // Opens the bar's context menu at `x` and chooses the item counted without separators, or
    // dismisses the menu.
    void Choose(int x, int item)
    {
        QObject scope; // no chooser left behind should the menu not open
        QTimer::singleShot(0, &scope, [this, item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            m_texts.clear();
            QList<QAction*> items;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    items << action;
                    m_texts << action->text();
                }
            }
            if (item == Dismiss) {
                QTest::keyClick(menu, Qt::Key_Escape);
                return;
            }
            menu->setActiveAction(items.at(item));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint at(x, m_bar.height() / 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_bar.mapToGlobal(at));
        QApplication::sendEvent(&m_bar, &event);
    }

    ScrollBar m_bar;
    bool m_follow = true;
    std::vector<int> m_codes;
    int m_thumb = -1;
    QStringList m_texts;
};

TEST_F(ScrollBarMenuTest, EveryItemIsReportedAndTheOwnerDecides)
{
    const struct
    {
        int item;
        bool follow;
        std::vector<int> codes;
        int position;
    } cases[] = {
        {1, true, {SB_LEFT, SB_ENDSCROLL}, 0},
        {2, true, {SB_RIGHT, SB_ENDSCROLL}, 255},
        {3, true, {SB_PAGELEFT, SB_ENDSCROLL}, 90},
        {4, true, {SB_PAGERIGHT, SB_ENDSCROLL}, 110},
        {5, true, {SB_LINELEFT, SB_ENDSCROLL}, 99},
        {6, true, {SB_LINERIGHT, SB_ENDSCROLL}, 101},
        {1, false, {SB_LEFT, SB_ENDSCROLL}, 100},
        {4, false, {SB_PAGERIGHT, SB_ENDSCROLL}, 100},
        {0, false, {SB_THUMBPOSITION, SB_ENDSCROLL}, 100},
        {Dismiss, true, {}, 100},
    };
    for (const auto& c : cases) {
        m_bar.SetScrollPos(100);
        m_follow = c.follow;
        m_codes.clear();
        Choose(20, c.item);
        EXPECT_EQ(m_codes, c.codes) << c.item << " " << c.follow;
        EXPECT_EQ(m_bar.GetScrollPos(), c.position) << c.item << " " << c.follow;
        EXPECT_EQ(m_bar.sliderPosition(), c.position) << c.item << " " << c.follow;
    }
}

TEST_F(ScrollBarMenuTest, ScrollHereMovesTheThumbUnderTheClick)
{
    const struct
    {
        int x;
        int position;
    } cases[] = {{0, 0}, {100, 128}, {199, 255}};
    for (const auto& c : cases) {
        m_bar.SetScrollPos(200);
        m_codes.clear();
        Choose(c.x, 0);
        EXPECT_EQ(m_codes, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL})) << c.x;
        EXPECT_NEAR(m_thumb, c.position, 1) << c.x;
        EXPECT_EQ(m_bar.GetScrollPos(), m_thumb) << c.x;
    }
}

TEST_F(ScrollBarMenuTest, ItemsAreQtsOwnJapaneseTexts)
{
    Choose(20, Dismiss);
    const char* const sources[] = {"Scroll here", "Left edge",   "Right edge",  "Page left",
                                   "Page right",  "Scroll left", "Scroll right"};
    ASSERT_EQ(m_texts.size(), std::ssize(sources));
    for (qsizetype i = 0; i < m_texts.size(); ++i) {
        EXPECT_EQ(m_texts[i], QCoreApplication::translate("QScrollBar", sources[i]));
        EXPECT_NE(m_texts[i], QLatin1String(sources[i]));
    }
}

} // namespace
