#include "ActionArea.h"
#include "ContentView.h"
#include "ErrorTexts.h"
#include "PreviewView.h"
#include "Translations.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

// Run under LANG=de_DE.UTF-8, as a German desktop session starts the program.
class GermanTranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void windowSpeaksGermanWithGermanPlurals()
    {
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        QVERIFY(Translations::install(QLocale::system()));
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
        viewModel->undoLastOperation();
        QVERIFY(waitForRun(*viewModel));
        QCOMPARE(viewModel->statusMessage(),
            QStringLiteral("Rückgängig gemacht — 1 Datei zurückgelegt."));
        QCOMPARE(PreviewView::summaryText(3), QStringLiteral("3 Dateien werden verschoben"));
        // The engine's English failure texts are shown in German, names as they were.
        QCOMPARE(ErrorTexts::translate("cannot open folder \"/x/Locked\": Keine Berechtigung"),
            QStringLiteral("Ordner „/x/Locked“ kann nicht geöffnet werden: Keine Berechtigung"));

        // Qt's own texts (the file dialog's buttons) come from its German translation,
        // where the system has it.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                + QStringLiteral("/qtbase_de.qm")))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(GermanTranslationTest)
#include "GermanTranslationTest.moc"
