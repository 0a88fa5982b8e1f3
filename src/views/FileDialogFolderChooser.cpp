#include "FileDialogFolderChooser.h"

#include <QDir>
#include <QFileDialog>

FileDialogFolderChooser::FileDialogFolderChooser(QWidget *parent)
    : m_parent(parent)
{ }

void FileDialogFolderChooser::setParentWidget(QWidget *parent)
{
    m_parent = parent;
}

std::optional<QString> FileDialogFolderChooser::chooseFolder()
{
    const QString message = tr("Choose a folder to organize");
    QFileDialog dialog(m_parent, message, QDir::homePath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::LookIn, message);
    dialog.setLabelText(QFileDialog::Accept, tr("Select"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    return QDir(chosen.first()).absolutePath();
}
