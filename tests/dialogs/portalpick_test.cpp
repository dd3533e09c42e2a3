#include "app/colorpickdlg.h"
#include "dialogs/tags/gradationdlg.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/portalpick.h"
#include "res/resource.h"
#include "support/dialogtest.h"

#include <QDBusAbstractInterface>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// A bus of the test's own, with no services to start: a desktop's real portal must not answer.
constexpr const char* BusConfig = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

// The Screenshot portal's colour picker as a desktop offers it: it names each request after
// the caller and its token, answers the call with the request's path, and then, as told, sends
// the request's Response or nothing at all.
class FakePortal final : public QDBusVirtualObject
{
public:
    struct Answer
    {
        uint response;
        std::optional<Color> color;
    };

    explicit FakePortal(QDBusConnection bus) : m_bus(std::move(bus)) {}

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override
    {
        if (message.member() == QLatin1String("Close") && message.interface() == RequestInterface) {
            closed.append(message.path());
            bus.send(message.createReply());
            return true;
        }
        if (message.member() != QLatin1String("PickColor"))
            return false;
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        const QString token = options.value(QStringLiteral("handle_token")).toString();
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path = PortalPath + QStringLiteral("/request/") + sender + '/' + token;
        requests.append(path);
        bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        if (answer)
            Respond(path, *answer);
        return true;
    }

    QString introspect(const QString&) const override { return {}; }

    // The Response signal of request `path`.
    void Respond(const QString& path, const Answer& with)
    {
        QVariantMap results;
        if (with.color) {
            QDBusArgument color;
            color.beginStructure();
            color << with.color->red / 255.0 << with.color->green / 255.0
                  << with.color->blue / 255.0;
            color.endStructure();
            results.insert(QStringLiteral("color"), QVariant::fromValue(color));
        }
        QDBusMessage signal =
            QDBusMessage::createSignal(path, RequestInterface, QStringLiteral("Response"));
        signal << with.response << results;
        m_bus.send(signal);
    }

    // What the next requests get at once; nothing leaves them open.
    std::optional<Answer> answer;
    QStringList requests;
    QStringList closed;

private:
    QDBusConnection m_bus;
};

// Events are handled until `done` holds, for as long as a slow machine may need.
template <class Done> bool WaitFor(Done done)
{
    const QDeadlineTimer deadline(std::chrono::seconds(20));
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// The eyedropper forced onto the portal's way, against a fake portal on a private bus.
class PortalPickTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        const QString config = s_dir->filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(BusConfig);
        file.close();
        s_daemon = new QProcess;
        s_daemon->start(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                         QStringLiteral("--print-address")});
        ASSERT_TRUE(s_daemon->waitForReadyRead(20000)) << "dbus-daemon did not start";
        const QByteArray address = s_daemon->readLine().trimmed();
        // The program asks the session bus, which Qt connects to once, on first use.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("TESSUVO_EYEDROPPER", "portal");
        s_portalBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("portal")));
        ASSERT_TRUE(s_portalBus->isConnected());
    }
    static void TearDownTestSuite()
    {
        s_portalBus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        qunsetenv("TESSUVO_EYEDROPPER");
        s_daemon->terminate();
        s_daemon->waitForFinished();
        delete s_daemon;
        delete s_dir;
    }

    void SetUp() override
    {
        RemoveSettings();
        m_portal = std::make_unique<FakePortal>(*s_portalBus);
        ASSERT_TRUE(s_portalBus->registerVirtualObject(PortalPath, m_portal.get(),
                                                       QDBusConnection::SubPath));
        ASSERT_TRUE(s_portalBus->registerService(PortalService));
        m_dlg = std::make_unique<CColorPickDlg>(SettingsFile());
        m_dlg->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        m_dlg.reset();
        s_portalBus->unregisterService(PortalService);
        s_portalBus->unregisterObject(PortalPath, QDBusConnection::UnregisterTree);
        m_portal.reset();
        SetPortalTimeout(std::chrono::minutes(1));
        RemoveSettings();
    }

    void Command(int command) const { m_dlg->GetMenu()->Command(command)->trigger(); }
    std::string EditText(int id) const { return ControlOf<EditBox>(*m_dlg, id)->GetWindowText(); }
    void PickBackground() const { ControlOf<QPushButton>(*m_dlg, IDC_BG_PICK)->click(); }
    bool Requested(qsizetype count) const
    {
        return WaitFor([&] { return m_portal->requests.size() == count; });
    }
    // The window's open request listens on the bus for its answer until it ends.
    bool Answered() const
    {
        return WaitFor([&] { return m_dlg->findChildren<QDBusAbstractInterface*>().isEmpty(); });
    }

    static inline QTemporaryDir* s_dir = nullptr;
    static inline QProcess* s_daemon = nullptr;
    static inline std::unique_ptr<QDBusConnection> s_portalBus;
    std::unique_ptr<FakePortal> m_portal;
    std::unique_ptr<CColorPickDlg> m_dlg;
};

TEST_F(PortalPickTest, PickedColourIsTakenLikeACompletedPick)
{
    m_portal->answer = FakePortal::Answer{0, Color{0x12, 0xAB, 0x34}};
    PickBackground();
    ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_BG) == "#12AB34"; }))
        << EditText(IDC_EDIT_BG);
    EXPECT_EQ("#000000", EditText(IDC_EDIT_FG));

    // The text colour's menu item, and a request of its own.
    m_portal->answer = FakePortal::Answer{0, Color{0xFE, 0x01, 0x80}};
    Command(ID_FG_PICK);
    ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_FG) == "#FE0180"; }))
        << EditText(IDC_EDIT_FG);
    EXPECT_EQ("#12AB34", EditText(IDC_EDIT_BG));
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
        ASSERT_TRUE(Answered());
        m_portal->answer = FakePortal::Answer{0, Color{0, 0, static_cast<int>(response)}};
        Command(ID_FG_PICK);
        const std::string text = response == 1 ? "#000001" : "#000002";
        ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_FG) == text; }))
            << "response " << response;
        EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG)) << "response " << response;
    }
    EXPECT_EQ(4, m_portal->requests.size());
}

TEST_F(PortalPickTest, AnswerWithoutAColourIsNotTaken)
{
    m_portal->answer = FakePortal::Answer{0, std::nullopt};
    PickBackground();
    ASSERT_TRUE(Answered());
    m_portal->answer = FakePortal::Answer{0, Color{1, 2, 3}};
    Command(ID_FG_PICK);
    ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_FG) == "#010203"; }));
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));
}

// A second start while the picker is open only changes where the colour goes.
TEST_F(PortalPickTest, SecondStartRetargetsTheOpenRequest)
{
    PickBackground();
    ASSERT_TRUE(Requested(1));
    Command(ID_FG_PICK);
    QApplication::processEvents();
    m_portal->Respond(m_portal->requests[0], {0, Color{0x40, 0x50, 0x60}});
    ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_FG) == "#405060"; }));
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));
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
    EXPECT_TRUE(Answered());
    m_portal->Respond(m_portal->requests[0], {0, Color{9, 9, 9}});

    m_portal->answer = FakePortal::Answer{0, Color{0x0A, 0x0B, 0x0C}};
    Command(ID_FG_PICK);
    ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_FG) == "#0A0B0C"; }));
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));
    EXPECT_EQ(2, m_portal->requests.size());
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
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));
    EXPECT_TRUE(m_portal->requests.isEmpty());
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
        int taken = 0, missed = 0;
        PickColorThroughPortal(
            m_dlg.get(), [&](const Color&) { ++taken; }, [&] { ++missed; });
        ASSERT_TRUE(WaitFor([&] { return missed == 1; }));
        EXPECT_EQ(0, taken);
    }
}

// The gradation dialog's eyedropper: the colour goes to its bars and its result follows.
TEST_F(PortalPickTest, GradationDialogTakesTheColour)
{
    CGradationTagDlg dlg(SettingsFile(), nullptr);
    dlg.m_start = {255, 255, 255};
    dlg.m_middle = {128, 128, 128};
    dlg.m_end = {0, 0, 0};
    dlg.show();
    QApplication::processEvents();
    m_portal->answer = FakePortal::Answer{0, Color{0x12, 0xAB, 0x34}};
    ControlOf<QPushButton>(dlg, IDC_GRAD_PICK)->click();
    ASSERT_TRUE(WaitFor(
        [&] { return ControlOf<EditBox>(dlg, IDC_GRAD_COLOR)->GetWindowText() == "#12AB34"; }));
}

} // namespace
