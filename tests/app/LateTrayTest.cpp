#include "AppDelegate.h"
#include "Contrast.h"
#include "MenuBarView.h"
#include "TidyraApp.h"
#include "TrayPresence.h"
#include "ViewTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMainWindow>
#include <QProcess>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

// The watcher a panel's StatusNotifier tray runs, on a private bus; it counts the
// questions for its host.
class FakeWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)

public:
    bool hostRegistered = false;
    bool isHostRegistered() const { return hostRegistered; }

signals:
    void StatusNotifierHostRegistered();
};

// A panel that starts after Tidyra, as at login, still gets Tidyra's icon.
class LateTrayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_bus.kill(), m_bus.waitForFinished(); }
    void aTrayThatComesLateIsTakenUp();

private:
    QProcess m_bus;
};

void LateTrayTest::initTestCase()
{
    m_bus.start(QStringLiteral("dbus-daemon"), { "--session", "--nofork", "--print-address" });
    // Before the app's first use of the session bus, which reads the address once.
    if (m_bus.waitForStarted() && m_bus.waitForReadyRead())
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
}

void LateTrayTest::aTrayThatComesLateIsTakenUp()
{
    if (m_bus.state() != QProcess::Running)
        QSKIP("dbus-daemon is not installed");
    ViewModelFixture fixture;
    const auto app = fixture.makeApp();
    QSignalSpy answers(app->trayPresence(), &TrayPresence::answered);
    app->start(true);
    QTRY_COMPARE(answers.size(), 1);
    QVERIFY(!app->trayIcon() && !app->mainWindow()->isVisible());

    // The panel's watcher comes first, its host a moment later.
    FakeWatcher watcher;
    QDBusConnection panel = QDBusConnection::connectToBus(
        qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("panel"));
    QVERIFY(panel.registerObject(
        QStringLiteral("/StatusNotifierWatcher"), &watcher, QDBusConnection::ExportAllContents));
    QVERIFY(panel.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    QTRY_COMPARE(answers.size(), 2);
    QVERIFY(!app->trayIcon());
    watcher.hostRegistered = true;
    emit watcher.StatusNotifierHostRegistered();
    QTRY_VERIFY(app->trayIcon());
    QVERIFY(!QApplication::quitOnLastWindowClosed() && !app->mainWindow()->isVisible());
    // The application's icon, by name where it is installed, else the bundled picture.
    const QIcon icon = app->trayIcon()->icon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.name(), AppDelegate::applicationIcon().name());
    QCOMPARE(icon.pixmap(32).toImage(), AppDelegate::applicationIcon().pixmap(32).toImage());

    // The panel draws the menu in its own colours: its symbols read on light and dark.
    const QImage symbol = app->menuBarView()->organizeAction()->icon().pixmap(16).toImage();
    for (const QColor menu : { QColor(Qt::white), QColor(0x2b, 0x2b, 0x2b) }) {
        double best = 1;
        for (int y = 0; y < symbol.height(); ++y)
            for (int x = 0; x < symbol.width(); ++x)
                if (qAlpha(symbol.pixel(x, y)) == 255)
                    best = std::max(best, Contrast::ratio(symbol.pixelColor(x, y), menu));
        QVERIFY2(best >= 3, qPrintable(menu.name() + ": " + QString::number(best)));
    }

    // The panel goes: the window is the way back, and closing it quits.
    QVERIFY(panel.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    QTRY_VERIFY(QApplication::quitOnLastWindowClosed() && app->mainWindow()->isVisible());
}

QTEST_MAIN(LateTrayTest)
#include "LateTrayTest.moc"
