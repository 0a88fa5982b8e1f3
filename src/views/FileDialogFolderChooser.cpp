#include "FileDialogFolderChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

FileDialogFolderChooser::FileDialogFolderChooser(QWidget *parent)
    : m_parent(parent)
{ }

void FileDialogFolderChooser::setParentWidget(QWidget *parent)
{
    m_parent = parent;
}

void FileDialogFolderChooser::setCurrentFolder(std::function<FolderPath()> currentFolder)
{
    m_currentFolder = std::move(currentFolder);
}

QString FileDialogFolderChooser::startFolder() const
{
    const QStringList candidates { m_currentFolder ? m_currentFolder().text() : QString(),
        QStandardPaths::writableLocation(QStandardPaths::DownloadLocation) };
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir())
            return candidate;
    }
    return QDir::homePath();
}

std::optional<FolderPath> FileDialogFolderChooser::chooseFolder()
{
    const QString message = tr("Choose a folder to organize");
    QFileDialog dialog(m_parent, message, startFolder());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::LookIn, message);
    dialog.setLabelText(QFileDialog::Accept, tr("Select"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // By URL: a desktop's own dialog hands over a name that is not UTF-8 byte for
    // byte, percent-encoded, where a path string would have lost those bytes.
    const QList<QUrl> chosen = dialog.selectedUrls();
    if (chosen.isEmpty() || !chosen.first().isLocalFile())
        return std::nullopt;
    const FolderPath folder = FolderPath::fromUrl(chosen.first());
    return folder.isEmpty() ? std::nullopt : std::optional<FolderPath>(folder);
}
