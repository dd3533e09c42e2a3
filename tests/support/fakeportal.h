#pragma once

#include "core/color/color.h"
#include "platform/portalpick.h"

#include <QApplication>
#include <QDBusAbstractInterface>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace tessuvo::test {

inline const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// A bus of the test's own, with no services to start: a desktop's real portal must not answer.
inline constexpr const char* BusConfig = R"(<!DOCTYPE busconfig PUBLIC
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
class PortalTest : public ::testing::Test
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
        m_portal = std::make_unique<FakePortal>(*s_portalBus);
        ASSERT_TRUE(s_portalBus->registerVirtualObject(PortalPath, m_portal.get(),
                                                       QDBusConnection::SubPath));
        ASSERT_TRUE(s_portalBus->registerService(PortalService));
    }
    void TearDown() override
    {
        s_portalBus->unregisterService(PortalService);
        s_portalBus->unregisterObject(PortalPath, QDBusConnection::UnregisterTree);
        m_portal.reset();
        SetPortalTimeout(std::chrono::minutes(1));
    }

    bool Requested(qsizetype count) const
    {
        return WaitFor([&] { return m_portal->requests.size() == count; });
    }
    // A window's open request listens on the bus for its answer until it ends.
    static bool Answered(const QWidget& window)
    {
        return WaitFor([&] { return window.findChildren<QDBusAbstractInterface*>().isEmpty(); });
    }

    static inline QTemporaryDir* s_dir = nullptr;
    static inline QProcess* s_daemon = nullptr;
    static inline std::unique_ptr<QDBusConnection> s_portalBus;
    std::unique_ptr<FakePortal> m_portal;
};

} // namespace tessuvo::test
