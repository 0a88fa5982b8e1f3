#pragma once

#include "FolderChooser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <functional>

// Asks for the folder to organize with the desktop's folder dialog, modal over the
// main window. The dialog opens at the current folder, else at Downloads, else at home.
class FileDialogFolderChooser final : public FolderChooser
{
    Q_DECLARE_TR_FUNCTIONS(FileDialogFolderChooser)

public:
    explicit FileDialogFolderChooser(QWidget *parent = nullptr);

    // The window the dialog is modal over; the main window is made after the view model.
    void setParentWidget(QWidget *parent);
    // Where the folder chosen last is found (empty when none is).
    void setCurrentFolder(std::function<FolderPath()> currentFolder);
    // The folder the dialog opens at.
    QString startFolder() const;

    std::optional<FolderPath> chooseFolder() override;

private:
    QPointer<QWidget> m_parent;
    std::function<FolderPath()> m_currentFolder;
};
