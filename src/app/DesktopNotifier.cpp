#include "DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

// QStringLiteral points at static data: nothing is allocated, nothing can throw.
// NOLINTBEGIN(cert-err58-cpp)
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString undoAction = QStringLiteral("undo");
const QString defaultAction = QStringLiteral("default");
// NOLINTEND(cert-err58-cpp)
// A service that does not answer in this time counts as none.
constexpr int replyTimeoutMs = 5000;

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

} // namespace

DesktopNotifier::DesktopNotifier(QObject *parent)
    : DesktopNotifier(QDBusConnection::sessionBus(), parent)
{ }

DesktopNotifier::DesktopNotifier(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
        SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
        SLOT(onNotificationClosed(uint, uint)));
}

void DesktopNotifier::notify(
    const QString &title, const QString &message, bool isWarning, bool offerUndo)
{
    m_undoPending = offerUndo;
    // Asked each time: the service may have been replaced since (another desktop's).
    auto *watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(call(QStringLiteral("GetCapabilities")), replyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [=, this](QDBusPendingCallWatcher *finished) {
            finished->deleteLater();
            const QDBusPendingReply<QStringList> reply = *finished;
            if (reply.isError())
                emit unanswered(title, message, isWarning);
            else
                send(title, message, isWarning, offerUndo, reply.value());
        });
}

void DesktopNotifier::send(const QString &title, const QString &message, bool isWarning,
    bool offerUndo, const QStringList &capabilities)
{
    QStringList actions;
    if (capabilities.contains(QStringLiteral("actions"))) {
        actions << defaultAction << tr("Open Tidyra");
        if (offerUndo)
            actions << undoAction << tr("Undo");
    }
    // Folder names are text, never markup.
    const QString body
        = capabilities.contains(QStringLiteral("body-markup")) ? message.toHtmlEscaped() : message;
    const QVariantMap hints {
        { QStringLiteral("desktop-entry"), QStringLiteral("io.github.tidyra.Tidyra") },
        { QStringLiteral("urgency"), QVariant::fromValue(uchar(1)) }, // normal
    };
    QDBusMessage notify = call(QStringLiteral("Notify"));
    notify << QStringLiteral("Tidyra") << m_shownId << QStringLiteral("io.github.tidyra.Tidyra")
           << title << body << actions << hints << -1;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(notify, replyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [=, this](QDBusPendingCallWatcher *finished) {
            finished->deleteLater();
            const QDBusPendingReply<uint> reply = *finished;
            if (reply.isError()) {
                emit unanswered(title, message, isWarning);
                return;
            }
            m_shownId = reply.value();
            m_undoId = 0;
            if (!offerUndo)
                return;
            if (m_undoPending)
                m_undoId = m_shownId;
            else
                close(m_shownId); // withdrawn while on its way
            m_undoPending = false;
        });
}

void DesktopNotifier::withdrawUndo()
{
    m_undoPending = false;
    if (m_undoId != 0)
        close(std::exchange(m_undoId, 0));
}

void DesktopNotifier::close(uint id)
{
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message << id;
    m_bus.asyncCall(message, replyTimeoutMs);
}

void DesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    if (action == undoAction && id == m_undoId && id != 0) {
        m_undoId = 0;
        emit undoInvoked();
    } else if (action == defaultAction && id == m_shownId && id != 0) {
        emit clicked();
    }
}

void DesktopNotifier::onNotificationClosed(uint id, uint)
{
    if (id == m_undoId)
        m_undoId = 0;
}
