// Renders the main window and the preview dialog of a sample folder to PNG files:
//   tidyra-screenshots FOLDER OUTPUT_DIR
// FOLDER should hold a few loose files; it is organized, put back, and previewed.

#include "AppDelegate.h"
#include "ContentView.h"
#include "FixedClock.h"
#include "FolderChooser.h"
#include "FolderOrganizerViewModel.h"
#include "MemorySettingsStore.h"
#include "PreviewView.h"
#include "TidyraApp.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QTextStream>

#include <cstdio>

namespace {

class NoFolderChooser final : public FolderChooser
{
public:
    std::optional<QString> chooseFolder() override { return std::nullopt; }
};

bool save(QWidget *widget, const QString &path)
{
    QApplication::processEvents();
    const bool saved = widget->grab().save(path, "PNG");
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tidyra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tidyra"));
    if (argc != 3) {
        std::fputs("usage: tidyra-screenshots FOLDER OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir output(QString::fromLocal8Bit(argv[2]));
    AppDelegate::applicationDidFinishLaunching();

    TidyraApp tidyra(std::make_unique<NoFolderChooser>(),
        std::make_unique<MemorySettingsStore>(folder),
        std::make_unique<FixedClock>(QStringLiteral("9:41")));
    FolderOrganizerViewModel *viewModel = tidyra.viewModel();
    tidyra.mainWindow()->resize(520, 480);
    tidyra.mainWindow()->show();

    // A run and its undo fill the activity log and leave the files as they were.
    viewModel->organizeNow();
    viewModel->undoLastOperation();
    viewModel->organizeNow();
    bool ok = save(tidyra.mainWindow(), output.filePath(QStringLiteral("main-window.png")));
    viewModel->undoLastOperation();

    viewModel->generatePreview();
    PreviewView *preview = tidyra.contentView()->previewView();
    if (!preview) {
        std::fputs("the preview did not open\n", stderr);
        return 1;
    }
    preview->resize(680, 500);
    ok = save(preview, output.filePath(QStringLiteral("preview-sheet.png"))) && ok;
    preview->reject();
    return ok ? 0 : 1;
}
