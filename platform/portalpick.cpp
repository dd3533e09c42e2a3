#include "portalpick.h"

#include "messagebox.h"

#include <QDBusAbstractInterface>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tessuvo {

namespace {

constexpr const char* CannotPickMessage = "この環境では画面の色を取り込めません。";

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
constexpr const char* RequestInterface = "org.freedesktop.portal.Request";

// A picker stays open as long as the user looks for the pixel; a backend that has not
// answered after this long will not.
std::chrono::milliseconds g_timeout = std::chrono::minutes(1);

// The portal's answer to one request: 0 picked, 1 cancelled, 2 failed.
class PortalRequest final : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    PortalRequest(const QString& path, const QDBusConnection& bus, QObject* parent)
        : QDBusAbstractInterface(PortalService, path, RequestInterface, bus, parent)
    {}

signals:
    void Response(uint response, const QVariantMap& results);
};

// "color" of a picked answer: red, green and blue as fractions.
std::optional<Color> ColorOf(const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double channels[3] = {};
    argument.beginStructure();
    argument >> channels[0] >> channels[1] >> channels[2];
    argument.endStructure();
    const auto byte = [](double fraction) {
        return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 255));
    };
    return Color{byte(channels[0]), byte(channels[1]), byte(channels[2])};
}

// One open request of a window, a child of that window while it is open.
class PortalColorPick final : public QObject
{
    Q_OBJECT

public:
    PortalColorPick(QWidget* window, std::function<void(const Color&)> taken,
                    std::function<void()> missed)
        : QObject(window), m_window(window), m_taken(std::move(taken)), m_missed(std::move(missed))
    {}

    void Retarget(std::function<void(const Color&)> taken, std::function<void()> missed)
    {
        m_taken = std::move(taken);
        m_missed = std::move(missed);
    }

    void Missed() const
    {
        if (m_missed)
            m_missed();
    }

    // False when there is no session bus to ask on.
    bool Send()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        // The portal names the request after the caller and its token; listening there before
        // asking means an answer cannot come before anyone hears it.
        static int serial = 0;
        const QString token = QStringLiteral("tessuvo%1").arg(++serial);
        const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
        Listen(PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

        QDBusMessage call = QDBusMessage::createMethodCall(
            PortalService, PortalPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
            QStringLiteral("PickColor"));
        call << ParentWindow() << QVariantMap{{QStringLiteral("handle_token"), token}};
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalColorPick::OnReply);

        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &PortalColorPick::OnTimeout);
        m_timer.start(g_timeout);
        return true;
    }

private:
    void Listen(const QString& path)
    {
        delete m_request;
        m_request = new PortalRequest(path, QDBusConnection::sessionBus(), this);
        connect(m_request, &PortalRequest::Response, this, &PortalColorPick::OnResponse);
    }

    // The portal places its picker above this window where it knows the window's kind.
    QString ParentWindow() const
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return {};
        return QStringLiteral("x11:%1").arg(m_window->window()->winId(), 0, 16);
    }

    void OnReply(QDBusPendingCallWatcher* watcher)
    {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            // No portal, or one without a colour picker.
            Finish();
            ShowCannotPick(m_window);
            Missed();
            return;
        }
        // Portals older than the request-naming rule answer on a path of their own.
        const QString path = reply.value().path();
        if (m_request && path != m_request->path())
            Listen(path);
    }

    void OnResponse(uint response, const QVariantMap& results)
    {
        Finish();
        const auto color = response == 0 ? ColorOf(results) : std::nullopt;
        if (color)
            m_taken(*color);
        else
            Missed();
    }

    // Closing the request takes a forgotten picker off the screen, if the backend has one.
    void OnTimeout()
    {
        Finish();
        if (m_request)
            m_request->asyncCall(QStringLiteral("Close"));
        Missed();
    }

    // Leaves the window at once, so that a start from here on asks anew; whatever the portal
    // still says about the request goes unheard.
    void Finish()
    {
        m_timer.stop();
        for (QObject* child : children())
            child->disconnect(this);
        setParent(nullptr);
        deleteLater();
    }

    QWidget* m_window;
    std::function<void(const Color&)> m_taken;
    std::function<void()> m_missed;
    PortalRequest* m_request = nullptr;
    QTimer m_timer;
};

} // namespace

void PickColorThroughPortal(QWidget* window, std::function<void(const Color&)> taken,
                            std::function<void()> missed)
{
    if (auto* open = window->findChild<PortalColorPick*>(QString(), Qt::FindDirectChildrenOnly)) {
        open->Retarget(std::move(taken), std::move(missed));
        return;
    }
    auto* pick = new PortalColorPick(window, std::move(taken), std::move(missed));
    if (!pick->Send()) {
        ShowCannotPick(window);
        pick->Missed();
        delete pick;
    }
}

void SetPortalTimeout(std::chrono::milliseconds timeout)
{
    g_timeout = timeout;
}

void ShowCannotPick(QWidget* window)
{
    MessageBoxA(window, CannotPickMessage, ApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace tessuvo

#include "portalpick.moc"
