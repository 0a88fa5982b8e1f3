#pragma once

#include <QWidget>

class FolderOrganizerViewModel;
class QPushButton;
class StyledLabel;

// The top of the main window: which folder is selected, and the button to choose one.
class FolderHeader : public QWidget
{
    Q_OBJECT

public:
    explicit FolderHeader(FolderOrganizerViewModel *viewModel, QWidget *parent = nullptr);

    StyledLabel *titleLabel() const { return m_title; }
    StyledLabel *subtitleLabel() const { return m_subtitle; }
    QPushButton *folderButton() const { return m_folderButton; }

private:
    void refresh();

    FolderOrganizerViewModel *m_viewModel;
    StyledLabel *m_title;
    StyledLabel *m_subtitle;
    QPushButton *m_folderButton;
};
