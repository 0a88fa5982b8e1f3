#include "AfterTreeModel.h"
#include "BeforeListModel.h"
#include "PreviewRoles.h"
#include "RulesCategoryModel.h"
#include "RulesEditor.h"
#include "ViewModelHarness.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/rules/RulesFile.h"

#include <QStringListModel>
#include <QTemporaryDir>

// The Rules window's view model: edits as a rules file would say them, the answer to
// "where would it go?", and a rules file that cannot be used, in the runs too.
class RulesEditorTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test gets its own journal and rules file (Harness), never the user's.
    void init()
    {
        m_state = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", m_state->path().toUtf8());
    }
    void editsAreSavedAsTheRulesRunsUse();
    void aWrongRulesFileStopsEveryRunUntilSetAside();
    void anOwnCategoryShowsInItsColour();

private:
    std::unique_ptr<QTemporaryDir> m_state;
};

namespace {

bool select(RulesEditor &editor, const QString &name)
{
    editor.setCurrentCategory(editor.categories()->rowOf(name));
    return editor.categories()->index(editor.currentCategory()).data().toString() == name;
}

QString answer(RulesEditor &editor, const QString &name)
{
    editor.setSampleName(name);
    return editor.sampleAnswer();
}

// Every category as "Name>Folder/sub: ext ext", in order.
QStringList shown(const SortingRules &rules)
{
    QStringList lines;
    for (const SortingRules::Category &category : rules.categories()) {
        QString line = QString::fromStdString(category.label.name + '>' + category.label.folder)
            + (category.subfolders ? "/sub:" : ":");
        for (const std::string &extension : category.extensions)
            line += ' ' + QString::fromStdString(extension);
        lines << line;
    }
    return lines;
}

} // namespace

void RulesEditorTest::editsAreSavedAsTheRulesRunsUse()
{
    Harness h;
    RulesEditor &editor = *h.vm->rulesEditor();
    QVERIFY(!editor.isLoaded());
    editor.load();
    QTRY_VERIFY(editor.isLoaded());
    QCOMPARE(answer(editor, "report.md"),
        QStringLiteral(
            "Into “Documents”; into “Documents/MD” when files of other kinds go there too."));

    QVERIFY(select(editor, "Images"));
    editor.setCurrentFolder("Pictures");
    editor.setCurrentSubfolders(false);
    QVERIFY(editor.addExtension(" .AVIF "));
    QVERIFY(editor.addExtension("md")); // taken from Documents
    editor.removeExtension(int(editor.extensions()->stringList().indexOf("jpg"))); // to Others
    QVERIFY(!editor.addExtension(" "));
    QCOMPARE(answer(editor, "report.md"), QStringLiteral("Into “Pictures”."));
    QCOMPARE(answer(editor, "x.avif"), QStringLiteral("Into “Pictures”."));
    QVERIFY(
        answer(editor, "photo.JPG").startsWith(QStringLiteral("Into “Others”; into “Others/JPG”")));
    QVERIFY(editor.addCategory(" Ebooks "));
    QVERIFY(editor.addExtension("epub"));
    QVERIFY(
        editor.isCurrentOwn() && editor.categories()->rowOf("Ebooks") == editor.currentCategory());
    // A name taken selects that category and adds none.
    QVERIFY(!editor.addCategory("Images") && select(editor, "Images") && !editor.isCurrentOwn());
    QVERIFY(editor.addLeaveAloneName("*.torrent"));
    QVERIFY(!editor.addLeaveAloneName("*.torrent"));
    editor.setAge(2, RulesEditor::AgeUnit::days);
    QCOMPARE(answer(editor, "Film.TORRENT"), QStringLiteral("Stays: your rules leave it alone."));
    QCOMPARE(answer(editor, ".profile"), QStringLiteral("Stays: hidden files are never moved."));
    QVERIFY(answer(editor, "Dune.epub")
                .startsWith(QStringLiteral("Into “Ebooks”; into “Ebooks/EPUB”")));

    // A folder name that cannot be is kept as typed, says why, and is not saved; an
    // edit refused leaves the rules as they were.
    editor.setCurrentFolder("Pic/tures");
    QVERIFY(!editor.problem().isEmpty() && !editor.canSave());
    QCOMPARE(editor.currentFolder(), QStringLiteral("Pic/tures"));
    QCOMPARE(answer(editor, "report.md"), editor.problem());
    editor.setCurrentFolder("Pictures");
    QVERIFY(editor.problem().isEmpty() && editor.canSave());
    QVERIFY(!editor.addCategory(".hidden") && !editor.problem().isEmpty());
    QCOMPARE(editor.categories()->rowOf(".hidden"), -1);

    // What is saved is what a run reads, and the window reads it back the same.
    const QStringList edited = shown(*editor.categories()->rules());
    QSignalSpy saved(&editor, &RulesEditor::saved);
    editor.save();
    QVERIFY(saved.wait());
    QVERIFY(!editor.isModified());
    PosixFileSystem disk;
    RulesFile file(disk, RulesFile::defaultPath());
    const auto inForce = file.current();
    QCOMPARE(shown(*inForce), edited);
    QCOMPARE(inForce->leaveAloneNames(), std::vector<std::string> { "*.torrent" });
    // As a person would write it: the extensions as the rules keep them.
    QCOMPARE(
        file.readDocument().categories.front().add, (std::vector<std::string> { "avif", "md" }));
    QCOMPARE(inForce->newerThanSeconds(), std::optional<std::int64_t>(2 * 24 * 3600));
    editor.load();
    QTRY_COMPARE(editor.ageAmount(), 2);
    QCOMPARE(shown(*editor.categories()->rules()), edited);

    // Taken out again, an extension goes back where the built-in table has it.
    QVERIFY(select(editor, "Images"));
    editor.removeExtension(int(editor.extensions()->stringList().indexOf("md")));
    QVERIFY(select(editor, "Ebooks"));
    editor.removeCurrentCategory();
    QVERIFY(select(editor, "Documents"));
    QVERIFY(editor.extensions()->stringList().contains("md")
        && editor.extensions()->stringList().contains("epub"));
}

void RulesEditorTest::aWrongRulesFileStopsEveryRunUntilSetAside()
{
    using namespace std::chrono_literals;
    TempDir dir;
    const fs::path folder = makeFolder(dir, {}, "Inbox");
    writeSettled(folder / "a.jpg");
    writeSettled(folder / "b.torrent");
    Harness h;
    const fs::path rules = RulesFile::defaultPath();
    writeFile(rules, "[category.Images]\nadd = [\"avif\"]\nfolder = \"Pictures\"\nbogus = 1\n");
    RulesEditor &editor = *h.vm->rulesEditor();
    h.choose(folder);

    // Each run says what is wrong, where, and moves nothing; the editor offers the ways out.
    for (Action action : { &VM::generatePreview, &VM::organizeNow }) {
        h.run(action);
        QVERIFY(h.vm->isStatusError() && h.vm->statusMessage().contains("rules.toml"));
        QVERIFY(h.vm->statusMessage().contains("4"));
        QCOMPARE(editor.fileError(), h.vm->statusMessage().mid(7));
        QCOMPARE(filesIn(folder), 2);
    }
    QVERIFY(!editor.isLoaded() && !editor.canSave());
    // Automatic runs too, and they try again a settle time later.
    h.choose(folder);
    QSignalSpy runs(h.vm.get(), &VM::isOrganizingChanged);
    h.vm->setTidiesAutomatically(true);
    h.watch.advance(60s);
    QTRY_COMPARE(runs.count(), 2);
    QVERIFY(h.vm->isStatusError() && !editor.fileError().isEmpty() && filesIn(folder) == 2);

    // Mended by hand, the next automatic run uses it.
    writeFile(rules, "[leave-alone]\nnames = [\"*.TORRENT\"]\n");
    h.watch.advance(60s);
    QTRY_COMPARE(filesIn(folder), 1);
    QVERIFY(waitForRun(*h.vm));
    QVERIFY(editor.fileError().isEmpty() && fs::exists(folder / "b.torrent"));
    h.run(&VM::generatePreview);
    QVERIFY(h.vm->statusMessage().startsWith("Nothing to organize — 1 file")
        && h.vm->statusMessage().endsWith(" left alone by your rules."));

    // Wrong again, set aside: kept beside, the built-in rules rule, and the folder is
    // scanned again with them.
    h.vm->setTidiesAutomatically(false);
    writeFile(rules, "[leave-alone]\nnewer-than = \"soon\"\n");
    h.run(&VM::generatePreview);
    QVERIFY(!editor.fileError().isEmpty());
    QSignalSpy setAside(&editor, &RulesEditor::setAsideDone);
    editor.setAside();
    QVERIFY(setAside.wait());
    QVERIFY(waitForRun(*h.vm));
    QVERIFY(!fs::exists(rules) && fs::exists(rules.string() + ".invalid"));
    QVERIFY(editor.fileError().isEmpty());
    QVERIFY(h.vm->activityLog().front().contains("rules.toml.invalid"));
    QVERIFY(h.vm->isShowingPreview() && h.vm->currentPlan()->moves.size() == 1);
}

void RulesEditorTest::anOwnCategoryShowsInItsColour()
{
    auto plan = std::make_shared<OrganizationPlan>();
    plan->targets.push_back(
        { CategoryLabel("Torrents", "Torrents", FileCategory::archives, NamedColor::teal),
            std::nullopt, { "Torrents" } });
    plan->moves.push_back({ "a.torrent", {}, 0, 0 });
    const BeforeListModel before(plan);
    const AfterTreeModel after(*plan);
    for (const QModelIndex &row : { before.index(0), after.index(0, 0) }) {
        QCOMPARE(row.data(PreviewRoles::category).toInt(), int(FileCategory::archives));
        QCOMPARE(row.data(PreviewRoles::tint).toInt(), int(NamedColor::teal));
    }
}

QTEST_GUILESS_MAIN(RulesEditorTest)
#include "tst_RulesEditor.moc"
