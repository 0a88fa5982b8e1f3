#include "ViewTestSupport.h"

#include "PreviewRoles.h"
#include "TidyraApp.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>

ViewModelFixture::ViewModelFixture(std::shared_ptr<FileSystem> wrappedFileSystem)
    : fileSystem(std::move(wrappedFileSystem))
{
    std::filesystem::create_directories(inbox);
    // Runs are recorded beside the inbox, never in the user's own journal.
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString((temp / "state").string()));
}

std::unique_ptr<FolderOrganizerViewModel> ViewModelFixture::makeViewModel() const
{
    return std::make_unique<FolderOrganizerViewModel>(
        std::make_unique<QueuedFolderChooser>(answers),
        std::make_unique<MemorySettingsStore>(restoredFolder),
        std::make_unique<FixedClock>(QStringLiteral("10:30")), fileSystem);
}

std::unique_ptr<TidyraApp> ViewModelFixture::makeApp() const
{
    return std::make_unique<TidyraApp>(std::make_unique<QueuedFolderChooser>(answers),
        std::make_unique<MemorySettingsStore>(restoredFolder),
        std::make_unique<FixedClock>(QStringLiteral("10:30")), fileSystem);
}

namespace {

// Every model a test reads is first checked whole against the rules views rely on
// (indexes, parents, row counts): the preview's tree is packed by hand.
void checkModel(const QAbstractItemModel *model)
{
    const QAbstractItemModelTester tester(const_cast<QAbstractItemModel *>(model),
        QAbstractItemModelTester::FailureReportingMode::QtTest);
}

} // namespace

QStringList rowTexts(const QAbstractItemModel *model)
{
    checkModel(model);
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data(Qt::DisplayRole).toString();
    return texts;
}

namespace {

void appendIndentedLines(
    const QAbstractItemModel *model, const QModelIndex &parent, int depth, QStringList &lines)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        // The drawn indentation must be the tree's depth, or eyes and ears disagree.
        const int indent = index.data(PreviewRoles::indent).toInt();
        const QString text = index.data(Qt::DisplayRole).toString();
        lines << (indent == depth
                ? QString(2 * indent, QLatin1Char(' ')) + text
                : QStringLiteral("depth %1, indent %2: %3").arg(depth).arg(indent).arg(text));
        appendIndentedLines(model, index, depth + 1, lines);
    }
}

} // namespace

QStringList indentedLines(const QAbstractItemModel *model)
{
    checkModel(model);
    QStringList lines;
    appendIndentedLines(model, {}, 0, lines);
    return lines;
}
