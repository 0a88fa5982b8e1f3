#pragma once

#include "FakeFolderWatch.h"
#include "FaultInjectingFileSystem.h"
#include "FixedClock.h"
#include "FolderOrganizerViewModel.h"
#include "MemorySettingsStore.h"
#include "QueuedFolderChooser.h"
#include "TempDir.h"
#include "WaitForRun.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <filesystem>
#include <map>
#include <system_error>

// What the view-model tests share: a view model over fake ports, and ways to watch it.
namespace fs = std::filesystem;
using Op = FaultInjectingFileSystem::Operation;
using VM = FolderOrganizerViewModel;
using Action = void (VM::*)();

constexpr std::array<Action, 4> everyRun
    = { &VM::generatePreview, &VM::organizeNow, &VM::applyCurrentPlan, &VM::undoLastOperation };

// Tells which change signals fired since the last call, as "name" or "name*count",
// sorted by name; "" when none did.
struct SignalRecorder
{
    explicit SignalRecorder(const QObject *object)
    {
        const QMetaObject *meta = object->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            m_spies.emplace(QString::fromLatin1(meta->property(i).name()),
                std::make_unique<QSignalSpy>(object, meta->property(i).notifySignal()));
    }

    QString takeChanges()
    {
        QStringList changes;
        for (auto &[name, spy] : m_spies) {
            if (spy->count() > 0)
                changes << (spy->count() == 1 ? name : name + u'*' + QString::number(spy->count()));
            spy->clear();
        }
        return changes.join(u' ');
    }
    std::map<QString, std::unique_ptr<QSignalSpy>> m_spies;
};

inline QString toQString(const fs::path &path)
{
    return QString::fromStdString(path.string());
}

// "Error: " and the system's own words for `error`.
inline bool showsError(const VM &vm, int error)
{
    return vm.statusMessage().startsWith(QStringLiteral("Error: "))
        && vm.statusMessage().contains(
            QString::fromStdString(std::generic_category().message(error)));
}

// A view model over fake ports and a fault-injecting wrapper around the real disk.
struct Harness
{
    explicit Harness(const QString &storedFolder = QString())
        : settings(new MemorySettingsStore(storedFolder))
    {
        // The rules file beside the journal the test chose, never the user's own.
        qputenv("XDG_CONFIG_HOME", qgetenv("XDG_STATE_HOME") + "/config");
        vm = std::make_unique<VM>(std::make_unique<QueuedFolderChooser>(answers),
            std::unique_ptr<SettingsStore>(settings), std::unique_ptr<Clock>(clock), fileSystem,
            nullptr, watch.watch());
    }

    // Starts `action` and waits until its run, if any, is over and reported.
    void run(Action action)
    {
        (vm.get()->*action)();
        QVERIFY(waitForRun(*vm));
    }

    void choose(const fs::path &folder)
    {
        answers->push_back(FolderPath(folder));
        vm->chooseFolder();
    }

    // Owned by the view model once it is made.
    std::shared_ptr<FolderAnswers> answers = std::make_shared<FolderAnswers>();
    MemorySettingsStore *settings;
    FixedClock *clock = new FixedClock(QStringLiteral("10:42"));
    std::shared_ptr<FaultInjectingFileSystem> fileSystem
        = std::make_shared<FaultInjectingFileSystem>();
    FakeFolderWatch watch;
    std::unique_ptr<VM> vm;
};

// A folder with a name that needs more than ASCII, holding `files`, or `count` of them.
inline fs::path makeFolder(const TempDir &dir, std::initializer_list<const char *> files,
    const char *name = "Mes Téléchargements", int count = 0)
{
    fs::path folder = dir / name;
    fs::create_directories(folder);
    for (const char *file : files)
        writeFile(folder / file, file);
    for (int i = 0; i < count; ++i)
        writeFile(folder / ("f" + std::to_string(i) + ".txt"));
    return folder;
}

// A file written an hour ago, long settled by any measure.
inline void writeSettled(const fs::path &file)
{
    writeFile(file, file.filename().string());
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

// How many regular files lie directly in `folder`.
inline int filesIn(const fs::path &folder)
{
    return int(std::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
        [](const fs::directory_entry &entry) { return entry.is_regular_file(); }));
}
