#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// Desktop notifications through the session's notification service
// (org.freedesktop.Notifications on the session bus), as the desktop shows its own:
// with the application's icon and desktop entry, each replacing the one before, and
// with an "Undo" button where the service draws buttons.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject *parent = nullptr);
    DesktopNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    // Shows `message`; `offerUndo` adds the "Undo" button. Where no service answers,
    // `unanswered` follows instead.
    void notify(const QString &title, const QString &message, bool isWarning = false,
        bool offerUndo = false);
    // Takes the "Undo" of the last notification back (closing it): what it would undo
    // has changed.
    void withdrawUndo();

signals:
    void undoInvoked();
    // The notification itself was clicked.
    void clicked();
    void unanswered(const QString &title, const QString &message, bool isWarning);

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    void send(const QString &title, const QString &message, bool isWarning, bool offerUndo,
        const QStringList &capabilities);
    void close(uint id);

    QDBusConnection m_bus;
    uint m_shownId = 0; // the notification shown last, which the next one replaces
    uint m_undoId = 0; // the one whose "Undo" still stands
    bool m_undoPending = false; // an "Undo" offer is on its way to the service
};
