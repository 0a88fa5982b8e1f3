#include "TrayPresence.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#ifdef TIDYRA_HAVE_XCB
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#else
#include <QSystemTrayIcon>
#endif

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");

} // namespace

TrayPresence::TrayPresence(QObject *parent)
    : TrayPresence(QDBusConnection::sessionBus(), parent)
{ }

TrayPresence::TrayPresence(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (!m_bus.isConnected()) {
        m_hasAnswered = true;
        return;
    }
    m_serviceWatch = new QDBusServiceWatcher(watcherService, m_bus,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
        this);
    connect(
        m_serviceWatch, &QDBusServiceWatcher::serviceRegistered, this, &TrayPresence::askWatcher);
    connect(m_serviceWatch, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        ++m_question;
        setHost(false);
    });
    // The watcher may be up before its host (the panel's tray plugin) registers.
    for (const char *signal : { "StatusNotifierHostRegistered", "StatusNotifierHostUnregistered" })
        m_bus.connect(watcherService, watcherPath, watcherService, QLatin1String(signal), this,
            SLOT(askWatcher()));
    askWatcher();
}

void TrayPresence::askWatcher()
{
    // Asynchronously: at login a watcher that is still starting must not hold up Tidyra.
    QDBusMessage question = QDBusMessage::createMethodCall(watcherService, watcherPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    question << watcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *answer = new QDBusPendingCallWatcher(m_bus.asyncCall(question), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
        [this, asked = ++m_question](QDBusPendingCallWatcher *call) {
            call->deleteLater();
            if (asked != m_question)
                return;
            const QDBusPendingReply<QDBusVariant> reply = *call;
            // No watcher (yet) is an error reply: no host.
            setHost(reply.isValid() && reply.value().variant().toBool());
        });
}

void TrayPresence::setHost(bool present)
{
    m_hasAnswered = true;
    m_hasStatusNotifierHost = present;
    emit answered(present);
}

bool TrayPresence::hasXEmbedTray()
{
    if (!QGuiApplication::platformName().startsWith(u"xcb"))
        return false;
#ifdef TIDYRA_HAVE_XCB
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    // The tray of the first screen, the one Qt puts its X11 tray icon in.
    static constexpr char selection[] = "_NET_SYSTEM_TRAY_S0";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof selection - 1, selection), nullptr),
        &std::free);
    if (!atom)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
#else
    // Without xcb's headers only Qt can tell, at the price of its lasting answer about
    // StatusNotifier hosts.
    return QSystemTrayIcon::isSystemTrayAvailable();
#endif
}
