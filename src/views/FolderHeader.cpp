#include "FolderHeader.h"

#include "FolderBadge.h"
#include "FolderOrganizerViewModel.h"
#include "ProminentButton.h"
#include "StyledLabel.h"
#include "Symbols.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FolderHeader::FolderHeader(FolderOrganizerViewModel *viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_title(new StyledLabel({}, TextStyle::title3, true, ForegroundStyle::primary, this))
    , m_subtitle(new StyledLabel({}, TextStyle::caption, false, ForegroundStyle::secondary, this))
    , m_folderButton(new ProminentButton({}, this))
{
    m_title->setObjectName(QStringLiteral("folderTitle"));
    m_subtitle->setObjectName(QStringLiteral("folderSubtitle"));
    m_folderButton->setObjectName(QStringLiteral("folderButton"));
    // As tall as the command buttons below, whose symbols make them taller than text.
    QPushButton probe(QStringLiteral("X"));
    probe.setIcon(Symbols::icon(QStringLiteral("eye")));
    m_folderButton->setMinimumHeight(probe.sizeHint().height());

    auto *text = new QVBoxLayout;
    text->setSpacing(3);
    text->addWidget(m_title);
    text->addWidget(m_subtitle);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(20, 16, 20, 16);
    row->setSpacing(14);
    row->addWidget(new FolderBadge(this), 0, Qt::AlignVCenter);
    row->addLayout(text, 1);
    row->addWidget(m_folderButton, 0, Qt::AlignVCenter);

    connect(m_folderButton, &QPushButton::clicked, m_viewModel,
        &FolderOrganizerViewModel::chooseFolder);
    connect(m_viewModel, &FolderOrganizerViewModel::selectedFolderChanged, this,
        &FolderHeader::refresh);
    // A run stays tied to its folder: another is chosen once it has ended.
    connect(
        m_viewModel, &FolderOrganizerViewModel::isOrganizingChanged, this, &FolderHeader::refresh);
    refresh();
}

void FolderHeader::refresh()
{
    const bool hasFolder = !m_viewModel->selectedFolder().isEmpty();
    if (hasFolder) {
        m_title->setText(m_viewModel->selectedFolder().displayName());
        m_title->setForegroundStyle(ForegroundStyle::primary);
        m_subtitle->setText(m_viewModel->selectedFolder().display());
        m_subtitle->setForegroundStyle(ForegroundStyle::secondary);
        m_folderButton->setText(tr("&Change"));
    } else {
        m_title->setText(tr("No Folder Selected"));
        m_title->setForegroundStyle(ForegroundStyle::secondary);
        m_subtitle->setText(tr("Choose a folder to organize"));
        m_subtitle->setForegroundStyle(ForegroundStyle::tertiary);
        m_folderButton->setText(tr("&Select Folder"));
    }
    // A long path shows in full when hovered, since the line itself is cut.
    m_subtitle->setToolTip(hasFolder ? m_viewModel->selectedFolder().display() : QString());
    m_folderButton->setEnabled(!m_viewModel->isOrganizing());
}
