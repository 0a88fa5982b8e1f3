#pragma once

#include "FolderChooser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

// Asks for the folder to organize with the desktop's folder dialog, modal over the
// main window.
class FileDialogFolderChooser final : public FolderChooser
{
    Q_DECLARE_TR_FUNCTIONS(FileDialogFolderChooser)

public:
    explicit FileDialogFolderChooser(QWidget *parent = nullptr);

    // The window the dialog is modal over; the main window is made after the view model.
    void setParentWidget(QWidget *parent);

    std::optional<QString> chooseFolder() override;

private:
    QPointer<QWidget> m_parent;
};
