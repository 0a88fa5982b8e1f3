#include "ActionArea.h"
#include "Autostart.h"
#include "ContentView.h"
#include "FolderOrganizerViewModel.h"
#include "MenuBarView.h"
#include "PreviewView.h"
#include "TidyraApp.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// A notification service as a desktop runs one, on a private bus.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown
    {
        QString icon, body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Shown> shown;

public slots:
    QStringList GetCapabilities() { return { "actions", "body", "body-markup" }; }
    uint Notify(const QString &, uint, const QString &icon, const QString &, const QString &body,
        const QStringList &actions, const QVariantMap &hints, int)
    {
        shown << Shown { icon, body, actions, hints };
        return uint(shown.size());
    }
    void CloseNotification(uint) { }
};

class DesktopIntegrationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_bus.kill(), m_bus.waitForFinished(); }
    void undoInATrayRunsNotificationUndoesThatRun();
    void aSecondLaunchLandsOnTheOpenDialog();
    void anAutostartEntryOutlivesNoRemovedProgram();

private:
    QProcess m_bus;
};

void DesktopIntegrationTest::initTestCase()
{
    m_bus.start(QStringLiteral("dbus-daemon"), { "--session", "--nofork", "--print-address" });
    if (!m_bus.waitForStarted() || !m_bus.waitForReadyRead())
        QSKIP("dbus-daemon is not installed");
    // Before the app's first use of the session bus, which reads the address once.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
}

void DesktopIntegrationTest::undoInATrayRunsNotificationUndoesThatRun()
{
    FakeNotifications service;
    QDBusConnection desktop = QDBusConnection::connectToBus(
        qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("desktop"));
    QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
        QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.Notifications")));
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("a.jpg");
    fixture.write("b.pdf");
    const TreeSnapshot before = snapshotTree(fixture.inbox);
    const auto app = fixture.makeApp();
    app->start();

    app->menuBarView()->organizeAction()->trigger();
    QTRY_COMPARE(service.shown.size(), 1);
    const FakeNotifications::Shown &run = service.shown.first();
    QCOMPARE(run.body, QStringLiteral("2 files organized in Inbox."));
    QCOMPARE(run.icon, QStringLiteral("io.github.tidyra.Tidyra"));
    QCOMPARE(run.hints.value(QStringLiteral("desktop-entry")).toString(),
        QStringLiteral("io.github.tidyra.Tidyra"));
    QCOMPARE(run.actions.mid(2), QStringList({ "undo", "Undo" }));

    // Another notification's Undo, or another action, is not this run's.
    const auto invoke = [&](uint id, const QString &action) {
        desktop.send(
            QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"))
            << id << action);
    };
    invoke(7, QStringLiteral("undo"));
    invoke(1, QStringLiteral("undone"));
    QTest::qWait(200);
    QVERIFY(app->viewModel()->canUndo());
    invoke(1, QStringLiteral("undo"));
    QTRY_COMPARE(service.shown.size(), 2);
    QCOMPARE(service.shown.last().body, QStringLiteral("Undo complete — 2 files restored."));
    QCOMPARE(service.shown.last().actions.size(), 2); // nothing more to undo
    QCOMPARE(describeDifference(before, snapshotTree(fixture.inbox)), std::string());
}

void DesktopIntegrationTest::aSecondLaunchLandsOnTheOpenDialog()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("a.jpg");
    const auto app = fixture.makeApp();
    app->start();
    QTest::mouseClick(app->contentView()->actionArea()->previewButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*app->viewModel()));
    PreviewView *sheet = app->contentView()->previewView();
    QVERIFY(sheet && sheet->isVisible());
    app->mainWindow()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), app->mainWindow());

    QVERIFY(!app->activate(fixture.inboxPath()));
    QVERIFY(!app->handOverRefusal().isEmpty());
    QTRY_COMPARE(QApplication::activeWindow(), sheet);
    // The keyboard works there at once.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!app->contentView()->previewView());
    QVERIFY(app->handOverRefusal().isEmpty());
}

void DesktopIntegrationTest::anAutostartEntryOutlivesNoRemovedProgram()
{
    QVERIFY(Autostart::entryText(QStringLiteral("/opt/My Apps/ti\\dy"))
                .contains(QStringLiteral("\nTryExec=/opt/My Apps/ti\\\\dy\n")));
}

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
