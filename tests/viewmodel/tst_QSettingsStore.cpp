#include "QSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class QSettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsTheFolderInTheUsersSettingsFile();

private:
    QTemporaryDir m_configHome;
};

void QSettingsStoreTest::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    // Stands in for ~/.config, so the user's own settings are never touched.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configHome.path());
}

void QSettingsStoreTest::keepsTheFolderInTheUsersSettingsFile()
{
    const QString key = QStringLiteral("lastFolderPath");
    const QString folder = QStringLiteral("/home/ana/Mes Téléchargements");
    {
        QSettingsStore store;
        QVERIFY(store.stringValue(key).isNull());
        store.setStringValue(key, folder);
    }
    QVERIFY(QFile::exists(m_configHome.filePath(QStringLiteral("Tidyra/Tidyra.conf"))));
    QSettingsStore reopened;
    QCOMPARE(reopened.stringValue(key), folder);
    reopened.setStringValue(key, QString());
    QCOMPARE(QSettingsStore().stringValue(key), QString());
}

QTEST_GUILESS_MAIN(QSettingsStoreTest)
#include "tst_QSettingsStore.moc"
