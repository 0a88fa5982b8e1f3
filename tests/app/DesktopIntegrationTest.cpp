#include "ActionArea.h"
#include "AppDelegate.h"
#include "ContentView.h"
#include "Contrast.h"
#include "ErrorTexts.h"
#include "FolderOrganizerViewModel.h"
#include "MenuBarView.h"
#include "PreviewView.h"
#include "TidyraApp.h"
#include "Translations.h"
#include "TrayPresence.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

// A notification service as a desktop runs one, on a private bus: it keeps the icon,
// the body, the actions and the desktop entry of each notification, and which were closed.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QVariantList> shown;
    QList<uint> closed;

public slots:
    QStringList GetCapabilities() { return { "actions", "body", "body-markup" }; }
    uint Notify(const QString &, uint, const QString &icon, const QString &, const QString &body,
        const QStringList &actions, const QVariantMap &hints, int)
    {
        shown << QVariantList { icon, body, actions, hints.value("desktop-entry") };
        return uint(shown.size());
    }
    void CloseNotification(uint id) { closed << id; }
};

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

// Run under LANG=de_DE.UTF-8, as a German desktop session starts the program.
class DesktopIntegrationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_bus.kill(), m_bus.waitForFinished(); }
    void windowSpeaksGermanWithGermanPlurals();
    void undoInATrayRunsNotificationUndoesThatRun();
    void aTrayThatComesLateIsTakenUp();
    void otherDesktopLanguagesFindTheirCatalogue();

private:
    QProcess m_bus;
};

void DesktopIntegrationTest::initTestCase()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    QVERIFY(Translations::install(QLocale::system()));
    m_bus.start(QStringLiteral("dbus-daemon"), { "--session", "--nofork", "--print-address" });
    // Before the app's first use of the session bus, which reads the address once.
    if (m_bus.waitForStarted() && m_bus.waitForReadyRead())
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
}

void DesktopIntegrationTest::windowSpeaksGermanWithGermanPlurals()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("a.jpg");
    auto viewModel = fixture.makeViewModel();
    QCOMPARE(viewModel->statusMessage(), QStringLiteral("Bereit — Inbox"));
    ContentView view(viewModel.get());
    QCOMPARE(view.actionArea()->organizeButton()->text(), QStringLiteral("&Jetzt ordnen"));

    QTest::mouseClick(view.actionArea()->organizeButton(), Qt::LeftButton);
    QCOMPARE(viewModel->progressMessage(), QStringLiteral("Wird geordnet…"));
    QVERIFY(waitForRun(*viewModel));
    QCOMPARE(viewModel->statusMessage(), QStringLiteral("1 Datei geordnet."));
    // The engine's failures are shown in German, names as they were.
    QCOMPARE(
        ErrorTexts::translate(ErrorMessage(ErrorKind::journalNotOfThisRelease, { "/x/j\n.json" })),
        QStringLiteral("das Journal zum Rückgängigmachen „/x/j\\n.json“ ist kein Journal dieser "
                       "Tidyra-Version und blieb unangetastet"));

    // Qt's own texts (the file dialog's buttons) come from its German translation,
    // where the system has it; never from its Japanese one, as Tidyra has none.
    QVERIFY(!Translations::install(QLocale(QLocale::Japanese)));
    if (QFile::exists(
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        QCOMPARE(
            QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void DesktopIntegrationTest::undoInATrayRunsNotificationUndoesThatRun()
{
    if (m_bus.state() != QProcess::Running)
        QSKIP("dbus-daemon is not installed");
    FakeNotifications service;
    QDBusConnection desktop = QDBusConnection::connectToBus(
        qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("desktop"));
    QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
        QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.Notifications")));
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    for (const char *name : { "a.jpg", "b.pdf" })
        fixture.write(name);
    const TreeSnapshot before = snapshotTree(fixture.inbox);
    const auto app = fixture.makeApp();
    app->start();

    app->menuBarView()->organizeAction()->trigger();
    QTRY_COMPARE(service.shown.size(), 1);
    const QString id = QStringLiteral("io.github.tidyra.Tidyra");
    const QStringList actions { "default", "Tidyra öffnen", "undo", "Rückgängig" };
    QCOMPARE(
        service.shown.first(), QVariantList({ id, "2 Dateien in Inbox geordnet.", actions, id }));

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
    QTRY_COMPARE(service.shown.size(), 2); // with nothing more to undo
    QCOMPARE(service.shown.last(),
        QVariantList(
            { id, "Rückgängig gemacht — 2 Dateien zurückgelegt.", actions.mid(0, 2), id }));
    QCOMPARE(describeDifference(before, snapshotTree(fixture.inbox)), std::string());

    // With tidying on, an automatic run that moves nothing leaves the tray run's Undo
    // standing; one that is recorded takes it back.
    app->menuBarView()->organizeAction()->trigger();
    QTRY_COMPARE(service.shown.size(), 3);
    app->viewModel()->setTidiesAutomatically(true);
    QSignalSpy runs(app->viewModel(), &FolderOrganizerViewModel::isOrganizingChanged);
    fixture.watch.change("gone.txt");
    fixture.watch.advance(std::chrono::seconds(60));
    QTRY_COMPARE(runs.size(), 2);
    fixture.write("c.txt");
    std::filesystem::last_write_time(fixture.inbox / "c.txt",
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    fixture.watch.change("c.txt");
    QVERIFY(service.closed.isEmpty());
    fixture.watch.advance(std::chrono::seconds(60));
    QTRY_COMPARE(service.closed, QList<uint> { 3 });
}

void DesktopIntegrationTest::aTrayThatComesLateIsTakenUp()
{
    if (m_bus.state() != QProcess::Running)
        QSKIP("dbus-daemon is not installed");
    // A panel that starts after Tidyra, as at login, still gets Tidyra's icon.
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

// Last, as it leaves other languages installed over German.
void DesktopIntegrationTest::otherDesktopLanguagesFindTheirCatalogue()
{
    // Simplified Chinese and Brazil's Portuguese are not Taiwan's or Portugal's language.
    QVERIFY(!Translations::install(QLocale(QStringLiteral("zh_TW"))));
    QVERIFY(!Translations::install(QLocale(QStringLiteral("pt_PT"))));
    // What each catalogue says is the catalogues' own test; a region finds its language's.
    QVERIFY(Translations::install(QLocale(QStringLiteral("fr_CA"))));
    QCOMPARE(PreviewView::summaryText(5), QStringLiteral("5 fichiers seront déplacés"));
    // Polish counts in three forms: 1; 2-4, 22-24 …; 5-21, 25 … .
    QVERIFY(Translations::install(QLocale(QStringLiteral("pl_PL"))));
    QCOMPARE(PreviewView::summaryText(1), QStringLiteral("Zostanie przeniesiony 1 plik"));
    QCOMPARE(PreviewView::summaryText(22), QStringLiteral("Zostaną przeniesione 22 pliki"));
    QCOMPARE(PreviewView::summaryText(12), QStringLiteral("Zostanie przeniesionych 12 plików"));
}

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
