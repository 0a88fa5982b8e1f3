// Renders the main window and the preview dialog of a sample folder to PNG files:
//   tidyra-screenshots FOLDER OUTPUT_DIR [de|dark]
// FOLDER should hold a few loose files; it is organized, put back, and previewed.
// "de" renders only the main window, in German, as main-window-de.png; "dark" only the
// main window with a dark palette, as main-window-dark.png; "details" a run that skips
// files ("Images" a link, a name already taken in "Documents"): its preview
// (preview-skipped.png), the window after it (main-window-details.png) and the details
// (run-details.png), and takes all of that away again.

#include "ActionArea.h"
#include "AppDelegate.h"
#include "ContentView.h"
#include "FixedClock.h"
#include "FolderChooser.h"
#include "FolderOrganizerViewModel.h"
#include "MemorySettingsStore.h"
#include "PlainTreeView.h"
#include "PreviewView.h"
#include "RunDetailsView.h"
#include "RunHistoryModel.h"
#include "TidyraApp.h"
#include "Translations.h"
#include "WaitForRun.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QMainWindow>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

class NoFolderChooser final : public FolderChooser
{
public:
    std::optional<FolderPath> chooseFolder() override { return std::nullopt; }
};

// The history is read again after each run, on the worker: it shows the last run
// still undoable once that read is in.
void waitForHistory(const FolderOrganizerViewModel &viewModel)
{
    QElapsedTimer waited;
    waited.start();
    const RunHistoryModel *history = viewModel.runHistory();
    while (waited.elapsed() < 5000
        && !(history->rowCount() > 0
            && history->index(0, 0).data(RunHistoryModel::CanUndoRole).toBool()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

bool save(QWidget *widget, const QString &path)
{
    QApplication::processEvents();
    const bool saved = widget->grab().save(path, "PNG");
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

// A dark palette as dark desktop themes have it, with a light accent on dark grey.
QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x2b, 0x2b, 0x2e);
    const QColor base(0x1f, 0x1f, 0x22);
    const QColor text(0xe8, 0xe8, 0xea);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3e));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x4a, 0x9e, 0xff));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Light, QColor(0x4a, 0x4a, 0x4e));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x44));
    palette.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x33));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x1a));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x86));
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(0x33, 0x33, 0x36));
    return palette;
}

bool renderDetails(TidyraApp &tidyra, const QString &folder, const QDir &output)
{
    FolderOrganizerViewModel *viewModel = tidyra.viewModel();
    const QTemporaryDir elsewhere;
    const QString images = folder + QStringLiteral("/Images");
    const QString documents = folder + QStringLiteral("/Documents");
    QDir().mkpath(documents + QStringLiteral("/PDF"));
    QFile::copy(
        folder + QStringLiteral("/notes.txt"), documents + QStringLiteral("/PDF/invoice-0457.pdf"));
    if (!QFile::link(elsewhere.path(), images))
        return false;

    viewModel->generatePreview();
    waitForRun(*viewModel);
    PreviewView *preview = tidyra.contentView()->previewView();
    bool ok = preview != nullptr;
    if (preview) {
        preview->resize(680, 500);
        // Down to the files that will be skipped, below the tree.
        preview->afterList()->scrollToBottom();
        ok = save(preview, output.filePath(QStringLiteral("preview-skipped.png")));
        preview->reject();
    }
    viewModel->organizeNow();
    waitForRun(*viewModel);
    while (!viewModel->runDetails())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    waitForHistory(*viewModel);
    tidyra.contentView()->actionArea()->organizeButton()->setFocus();
    ok = save(tidyra.mainWindow(), output.filePath(QStringLiteral("main-window-details.png")))
        && ok;
    ActionArea *actions = tidyra.contentView()->actionArea();
    actions->showDetails();
    if (RunDetailsView *details = actions->detailsView()) {
        details->resize(560, 360);
        ok = save(details, output.filePath(QStringLiteral("run-details.png"))) && ok;
        details->close();
    }
    viewModel->undoLastOperation();
    waitForRun(*viewModel);
    QFile::remove(images);
    QDir(documents).removeRecursively();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tidyra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tidyra"));
    const QString variant = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();
    if ((argc != 3 && argc != 4)
        || (argc == 4 && variant != u"de" && variant != u"dark" && variant != u"details")) {
        (void)std::fputs("usage: tidyra-screenshots FOLDER OUTPUT_DIR [de|dark|details]\n", stderr);
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (variant == u"de") {
        // As on a German desktop: dates and times German too, not only the texts.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Translations::install(QLocale(QLocale::German, QLocale::Germany));
    }
    if (variant == u"dark")
        QApplication::setPalette(darkPalette());
    AppDelegate::applicationDidFinishLaunching();

    TidyraApp tidyra(std::make_unique<NoFolderChooser>(),
        std::make_unique<MemorySettingsStore>(folder),
        std::make_unique<FixedClock>(QStringLiteral("9:41")));
    FolderOrganizerViewModel *viewModel = tidyra.viewModel();
    tidyra.mainWindow()->resize(520, 560);
    tidyra.mainWindow()->show();
    if (variant == u"details")
        return renderDetails(tidyra, folder, output) ? 0 : 1;

    // A run and its undo fill the activity log and leave the files as they were.
    // Each step runs on the worker; the next waits for it to be reported.
    for (auto step :
        { &FolderOrganizerViewModel::organizeNow, &FolderOrganizerViewModel::undoLastOperation,
            &FolderOrganizerViewModel::organizeNow }) {
        (viewModel->*step)();
        waitForRun(*viewModel);
    }
    waitForHistory(*viewModel);
    const QString mainWindowFile = variant.isEmpty()
        ? QStringLiteral("main-window.png")
        : QStringLiteral("main-window-%1.png").arg(variant);
    // The focus where a click on "Organize Now" leaves it, not on the list it moved to
    // while the buttons were off.
    tidyra.contentView()->actionArea()->organizeButton()->setFocus();
    bool ok = save(tidyra.mainWindow(), output.filePath(mainWindowFile));
    viewModel->undoLastOperation();
    waitForRun(*viewModel);
    if (!variant.isEmpty())
        return ok ? 0 : 1;

    viewModel->generatePreview();
    waitForRun(*viewModel);
    PreviewView *preview = tidyra.contentView()->previewView();
    if (!preview) {
        (void)std::fputs("the preview did not open\n", stderr);
        return 1;
    }
    preview->resize(680, 500);
    ok = save(preview, output.filePath(QStringLiteral("preview-sheet.png"))) && ok;
    preview->reject();
    return ok ? 0 : 1;
}
