#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

// Whether the desktop has a tray for Tidyra's icon: a StatusNotifierItem host (through
// the org.kde.StatusNotifierWatcher service on the session bus) or an X11 (XEmbed)
// system tray. Found without asking QSystemTrayIcon: Qt 6.4 asks the bus for a host
// once, at the first question or the first icon, and keeps that answer for good, so a
// panel that starts after Tidyra at login would never be used. Asked only once a host is
// known, it answers yes and its icon goes to that host.
class TrayPresence : public QObject
{
    Q_OBJECT

public:
    explicit TrayPresence(QObject *parent = nullptr);
    TrayPresence(const QDBusConnection &bus, QObject *parent = nullptr);

    // A watcher runs and says a host has registered with it. Learnt from the bus without
    // waiting for it: false until the first answer comes.
    bool hasStatusNotifierHost() const { return m_hasStatusNotifierHost; }
    // The bus has answered the first question (at once where there is no bus).
    bool hasAnswered() const { return m_hasAnswered; }
    // An X11 tray owns the screen's tray selection now; false away from X11.
    static bool hasXEmbedTray();

signals:
    // Each answer from the bus (a watcher that left is one), also where nothing changed.
    void answered(bool hasStatusNotifierHost);

private slots:
    // Also a D-Bus signal's target, which QtDBus finds by name.
    void askWatcher();

private:
    void setHost(bool present);

    QDBusConnection m_bus;
    QDBusServiceWatcher *m_serviceWatch = nullptr;
    bool m_hasStatusNotifierHost = false;
    bool m_hasAnswered = false;
    // Answers to older questions are dropped: only the last one tells the present.
    quint64 m_question = 0;
};
