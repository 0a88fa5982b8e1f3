#pragma once

#include "Fakes.h"
#include "FolderOrganizerViewModel.h"
#include "TempDir.h"

#include <QString>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>

class QAbstractItemModel;
class QWidget;

// A view model on a real temporary folder "Inbox", with the folder dialog answered by
// the test and the file system optionally wrapped to watch or fail its calls.
struct ViewModelFixture
{
    explicit ViewModelFixture(std::optional<QString> restoredFolder = std::nullopt,
        std::shared_ptr<FileSystem> fileSystem = {});

    QString inboxPath() const;
    void write(const std::string &relativePath) const;
    std::unique_ptr<FolderOrganizerViewModel> makeViewModel() const;

    TempDir temp;
    std::filesystem::path inbox;
    std::shared_ptr<std::deque<std::optional<QString>>> answers;
    std::optional<QString> restoredFolder;
    std::shared_ptr<FileSystem> fileSystem;
};

// The display texts of all rows of a list model, top to bottom.
QStringList rowTexts(const QAbstractItemModel *model);
// The "After" tree, depth first, each line indented by two blanks per level ("  JPG/");
// a line whose drawn indentation differs from its depth in the tree says so.
QStringList indentedLines(const QAbstractItemModel *model);
