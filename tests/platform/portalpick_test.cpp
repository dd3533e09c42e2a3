#include "platform/portalpick.h"
#include "support/fakeportal.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

// Requests for the two colours of a pair, as the eyedropper's two starts make them.
class PortalPickTest : public PortalTest
{
protected:
    void Pick(std::optional<Color>& into)
    {
        PickColorThroughPortal(&m_window, [&into](const Color& color) { into = color; });
    }
    void PickBackground() { Pick(m_background); }
    void PickText() { Pick(m_text); }

    QWidget m_window;
    std::optional<Color> m_background;
    std::optional<Color> m_text;
};

TEST_F(PortalPickTest, PickedColourIsHandedOverAndEachPickIsARequestOfItsOwn)
{
    m_portal->answer = FakePortal::Answer{0, Color{0x12, 0xAB, 0x34}};
    PickBackground();
    ASSERT_TRUE(WaitFor([&] { return m_background == Color{0x12, 0xAB, 0x34}; }));
    m_portal->answer = FakePortal::Answer{0, Color{0xFE, 0x01, 0x80}};
    PickText();
    ASSERT_TRUE(WaitFor([&] { return m_text == Color{0xFE, 0x01, 0x80}; }));
    EXPECT_EQ(m_background, (Color{0x12, 0xAB, 0x34}));
    ASSERT_EQ(2, m_portal->requests.size());
    EXPECT_NE(m_portal->requests[0], m_portal->requests[1]);
}

// A colour that comes with a cancel or a failure is not taken; the pick is over all the same,
// so that the next start asks anew.
TEST_F(PortalPickTest, CancelAndFailureLeaveTheColour)
{
    for (const uint response : {1u, 2u}) {
        m_portal->answer = FakePortal::Answer{response, Color{255, 0, 0}};
        PickBackground();
        ASSERT_TRUE(Answered(m_window));
        const Color blue{0, 0, static_cast<int>(response)};
        m_portal->answer = FakePortal::Answer{0, blue};
        PickText();
        ASSERT_TRUE(WaitFor([&] { return m_text == blue; })) << "response " << response;
        EXPECT_EQ(m_background, std::nullopt) << "response " << response;
    }
    EXPECT_EQ(4, m_portal->requests.size());
}

TEST_F(PortalPickTest, AnswerWithoutAColourIsNotTaken)
{
    m_portal->answer = FakePortal::Answer{0, std::nullopt};
    PickBackground();
    ASSERT_TRUE(Answered(m_window));
    m_portal->answer = FakePortal::Answer{0, Color{1, 2, 3}};
    PickText();
    ASSERT_TRUE(WaitFor([&] { return m_text == Color{1, 2, 3}; }));
    EXPECT_EQ(m_background, std::nullopt);
}

// A second start while the picker is open only changes where the colour goes.
TEST_F(PortalPickTest, SecondStartRetargetsTheOpenRequest)
{
    PickBackground();
    ASSERT_TRUE(Requested(1));
    PickText();
    QApplication::processEvents();
    m_portal->Respond(m_portal->requests[0], {0, Color{0x40, 0x50, 0x60}});
    ASSERT_TRUE(WaitFor([&] { return m_text == Color{0x40, 0x50, 0x60}; }));
    EXPECT_EQ(m_background, std::nullopt);
    EXPECT_EQ(1, m_portal->requests.size());
}

// A backend that never answers: the request is closed as a cancel, and a later start asks
// anew. An answer that comes after all is not taken.
TEST_F(PortalPickTest, NoAnswerEndsAsACancel)
{
    SetPortalTimeout(std::chrono::milliseconds(50));
    PickBackground();
    ASSERT_TRUE(Requested(1));
    ASSERT_TRUE(WaitFor([&] { return m_portal->closed.size() == 1; }));
    EXPECT_EQ(m_portal->requests[0], m_portal->closed[0]);
    EXPECT_TRUE(Answered(m_window));
    m_portal->Respond(m_portal->requests[0], {0, Color{9, 9, 9}});

    m_portal->answer = FakePortal::Answer{0, Color{0x0A, 0x0B, 0x0C}};
    PickText();
    ASSERT_TRUE(WaitFor([&] { return m_text == Color{0x0A, 0x0B, 0x0C}; }));
    EXPECT_EQ(m_background, std::nullopt);
    EXPECT_EQ(2, m_portal->requests.size());
}

// Whoever waits for a pick hears of its end without a colour: a cancel, a failure, an answer
// without a colour, no answer in time.
TEST_F(PortalPickTest, AnEndWithoutAColourIsTold)
{
    SetPortalTimeout(std::chrono::milliseconds(200));
    const std::optional<FakePortal::Answer> answers[] = {
        FakePortal::Answer{1, Color{1, 1, 1}}, FakePortal::Answer{2, std::nullopt},
        FakePortal::Answer{0, std::nullopt}, std::nullopt};
    for (const auto& answer : answers) {
        m_portal->answer = answer;
        int missed = 0;
        PickColorThroughPortal(
            &m_window, [this](const Color& color) { m_background = color; }, [&] { ++missed; });
        ASSERT_TRUE(WaitFor([&] { return missed == 1; }));
        EXPECT_EQ(m_background, std::nullopt);
    }
}

// No portal on the bus: the message box says so, and nothing changes.
TEST_F(PortalPickTest, NoPortalShowsTheMessage)
{
    s_portalBus->unregisterService(PortalService);
    QString shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    watch.start(10);
    PickBackground();
    ASSERT_TRUE(WaitFor([&] { return !shown.isEmpty(); }));
    EXPECT_EQ(QStringLiteral("この環境では画面の色を取り込めません。"), shown);
    EXPECT_EQ(m_background, std::nullopt);
    EXPECT_TRUE(m_portal->requests.isEmpty());
}

} // namespace
