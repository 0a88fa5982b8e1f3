#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>

#include <sys/stat.h>

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondClaimHandsOverAndMalformedRequestsAreIgnored();
    void twoLaunchesMakeOneInstance();
};

void SingleInstanceTest::secondClaimHandsOverAndMalformedRequestsAreIgnored()
{
    QTemporaryDir runtime;
    QTemporaryDir folder;
    const QString socketPath = runtime.filePath(QStringLiteral("tidyra.socket"));
    SingleInstance first(socketPath);
    QCOMPARE(first.claim(), SingleInstance::Role::primary);
    QByteArrayList handed; // "folder|token|startup id"
    QString refusal;
    first.setHandler([&](const SingleInstance::Request &request) {
        handed << request.folder + '|' + request.activationToken + '|' + request.startupId;
        return refusal;
    });
    // Only the owner can reach the socket.
    QCOMPARE(QFileInfo(socketPath).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);

    // Garbage, a relative or missing folder, bad base64, an unknown word, an endless
    // line: all ignored.
    const QByteArray missing
        = QFile::encodeName(folder.filePath(QStringLiteral("gone"))).toBase64();
    for (const QByteArray &bytes : { QByteArray("hello\n"), QByteArray("open dG1w\n"),
             "open " + missing + '\n', QByteArray("open !!!\n"), QByteArray("raise x=eA==\n"),
             QByteArray("raise"), QByteArray(qsizetype(70) * 1024, 'x') }) {
        QLocalSocket stranger;
        stranger.connectToServer(socketPath);
        QVERIFY(stranger.waitForConnected(1000));
        stranger.write(bytes);
        QVERIFY(stranger.waitForBytesWritten(1000));
    }
    QTest::qWait(200);
    QCOMPARE(handed.size(), 0);

    // A second launch blocks until the first answers, so it runs beside the event loop.
    // A name that is not UTF-8 arrives byte for byte, with the launch's tokens; a
    // refusal comes back to be told.
    const QByteArray odd = QFile::encodeName(folder.path()) + "/caf\xE9 \xFF";
    QCOMPARE(::mkdir(odd.constData(), 0755), 0);
    for (const SingleInstance::Request &request :
        { SingleInstance::Request { odd, "tok en", "id" }, SingleInstance::Request {} }) {
        refusal = request.folder.isEmpty() ? QString() : QStringLiteral("busy\nnow");
        auto second = std::async(std::launch::async, [socketPath, request] {
            SingleInstance launch(socketPath);
            return launch.claim(request) == SingleInstance::Role::handedOver ? launch.refusal()
                                                                             : QStringLiteral("?");
        });
        QTRY_COMPARE(handed.size(), 1);
        QCOMPARE(second.get(), QString(refusal).replace(u'\n', u' '));
        QCOMPARE(handed.takeFirst(),
            request.folder + '|' + request.activationToken + '|' + request.startupId);
    }
    ::rmdir(odd.constData()); // a name QTemporaryDir cannot spell
}

void SingleInstanceTest::twoLaunchesMakeOneInstance()
{
    // The program under test, named by CTest.
    const QString program = qEnvironmentVariable("TIDYRA_PROGRAM");
    QTemporaryDir home;
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME" }) {
        const QString path = home.filePath(QString::fromLatin1(name));
        QVERIFY(QDir().mkpath(path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QString::fromLatin1(name), path);
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString socketPath
        = home.filePath(QStringLiteral("XDG_RUNTIME_DIR/io.github.tidyra.Tidyra.socket"));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socketPath), 10000);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program, { folder.path() });
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    // The running one selected the folder, and remembered it as a choice.
    const QString settingsFile
        = home.filePath(QStringLiteral("XDG_CONFIG_HOME/Tidyra/Tidyra.conf"));
    QTRY_COMPARE_WITH_TIMEOUT(QSettings(settingsFile, QSettings::IniFormat)
                                  .value(QStringLiteral("lastFolderPath"))
                                  .toString(),
        folder.path(), 10000);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(10000));

    // Without a desktop session it says so plainly and ends with 1, where Qt would abort.
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE" })
        environment.remove(QString::fromLatin1(name));
    QProcess bare;
    bare.setProcessEnvironment(environment);
    bare.start(program, {});
    QVERIFY(bare.waitForFinished(10000));
    QCOMPARE(bare.exitStatus(), QProcess::NormalExit);
    QCOMPARE(bare.exitCode(), 1);
    QVERIFY(bare.readAllStandardError().startsWith("tidyra: no desktop session"));
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
