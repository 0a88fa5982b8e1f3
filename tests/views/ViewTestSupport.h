#pragma once

#include "FakeFolderWatch.h"
#include "FixedClock.h"
#include "FolderOrganizerViewModel.h"
#include "MemorySettingsStore.h"
#include "QueuedFolderChooser.h"
#include "TempDir.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>

class ContentView;
class QAbstractItemModel;
class QImage;
class QPalette;
class QWidget;
class TidyraApp;

// A real temporary folder "Inbox", and a view model (or the whole app) on it whose
// folder dialog the test answers, stamping activity lines "10:30".
struct ViewModelFixture
{
    explicit ViewModelFixture(std::shared_ptr<FileSystem> fileSystem = {});

    QString inboxPath() const { return QString::fromStdString(inbox.string()); }
    void write(const std::string &name) const { writeFile(inbox / name, name); }
    std::unique_ptr<FolderOrganizerViewModel> makeViewModel();
    std::unique_ptr<TidyraApp> makeApp();

    TempDir temp;
    std::filesystem::path inbox = temp / "Inbox";
    std::shared_ptr<FolderAnswers> answers = std::make_shared<FolderAnswers>();
    std::shared_ptr<std::function<void()>> whileAsking = std::make_shared<std::function<void()>>();
    QString restoredFolder;
    std::shared_ptr<FileSystem> fileSystem;
    FakeFolderWatch watch; // of the last view model made
};

// The display texts of all rows of a list model, top to bottom.
QStringList rowTexts(const QAbstractItemModel *model);
// The "After" tree, depth first, each line indented by two blanks per level ("  JPG/");
// a line whose drawn indentation differs from its depth in the tree says so.
QStringList indentedLines(const QAbstractItemModel *model);

// The main window as a user reads it, one part of its state table after the other:
// "header | buttons | status line | activity"; a disabled button reads "(off)", a
// check box "[x]" or "[ ]" before its text.
QString shown(const ContentView &view);
// The tray menu's visible entries, "---" for a separator; a disabled entry reads "(off)",
// a checked one "[x]" before its text.
QString menuShown(const TidyraApp &app);
// Makes `window` the active one; false when the platform does not.
bool activate(QWidget *window);

// A dark palette whose accent is as close to the window colour as dark themes have it.
QPalette darkPalette();
// How well what is drawn on the commonest colour of `image` (a fill, a tile) reads: the
// contrast of that colour with the pixel that differs most from it.
double contrastOnCommonest(const QImage &image);
// How `widget`'s focus indicator reads as painted: each pixel that focus changes against
// the same pixel unfocused; the best of them (the solid line, not its smoothed edge).
// 1 when focus changes nothing. `widget` must be in an active window.
double focusIndicatorContrast(QWidget *widget);
