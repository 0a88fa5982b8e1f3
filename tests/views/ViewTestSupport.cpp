#include "ViewTestSupport.h"

#include "PreviewRoles.h"

#include <QAbstractItemModel>

ViewModelFixture::ViewModelFixture(
    std::optional<QString> restored, std::shared_ptr<FileSystem> wrappedFileSystem)
    : inbox(temp / "Inbox")
    , answers(std::make_shared<std::deque<std::optional<QString>>>())
    , restoredFolder(std::move(restored))
    , fileSystem(std::move(wrappedFileSystem))
{
    std::filesystem::create_directories(inbox);
    // Runs are recorded beside the inbox, never in the user's own journal.
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString((temp / "state").string()));
}

QString ViewModelFixture::inboxPath() const
{
    return QString::fromStdString(inbox.string());
}

void ViewModelFixture::write(const std::string &relativePath) const
{
    writeFile(inbox / relativePath, relativePath);
}

std::unique_ptr<FolderOrganizerViewModel> ViewModelFixture::makeViewModel() const
{
    auto settings = std::make_unique<MemorySettingsStore>(restoredFolder.value_or(QString()));
    auto viewModel
        = std::make_unique<FolderOrganizerViewModel>(std::make_unique<QueuedFolderChooser>(answers),
            std::move(settings), std::make_unique<FixedClock>(testTimeOfDay), fileSystem);
    return viewModel;
}

QStringList rowTexts(const QAbstractItemModel *model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data(Qt::DisplayRole).toString();
    return texts;
}

QStringList indentedLines(const QAbstractItemModel *model)
{
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const int indent = index.data(PreviewRoles::indent).toInt();
        lines << QString(2 * indent, QLatin1Char(' ')) + index.data(Qt::DisplayRole).toString();
    }
    return lines;
}
