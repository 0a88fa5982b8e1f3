#include "RunDetailsView.h"

#include "RunDetailsModel.h"
#include "ScreenFit.h"
#include "StyledLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

namespace {

// Reason headings in bold, the names under them plain.
class HeadingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(!index.parent().isValid());
    }
};

} // namespace

RunDetailsView::RunDetailsView(
    std::shared_ptr<const RunDetails> details, QWidget *parent, const QString &title)
    : QDialog(parent)
    , m_model(new RunDetailsModel(std::move(details), this))
    , m_title(new StyledLabel(
          m_model->title(), TextStyle::headline, true, ForegroundStyle::primary, this))
    , m_list(new QTreeView(this))
{
    setWindowTitle(tr("Details"));
    if (!title.isEmpty()) {
        m_model->setTitle(title);
        m_title->setText(title);
    }
    m_title->setObjectName(QStringLiteral("detailsTitle"));
    m_title->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("detailsList"));
    m_list->setAccessibleName(m_model->title());
    m_list->setHeaderHidden(true);
    m_list->setUniformRowHeights(true);
    m_list->setItemsExpandable(false);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new HeadingDelegate(m_list));
    // Group by group: expandAll takes tens of milliseconds over 100,000 names, each
    // group's expand a few.
    for (int group = 0; group < m_model->rowCount(); ++group)
        m_list->expand(m_model->index(group, 0));
    m_list->setCurrentIndex(m_model->index(0, 0));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_copyAll = buttons->addButton(tr("Copy &All"), QDialogButtonBox::ActionRole);
    m_copyAll->setObjectName(QStringLiteral("copyAllButton"));
    m_copyAll->setAutoDefault(false);
    connect(m_copyAll, &QPushButton::clicked, this,
        [this] { QApplication::clipboard()->setText(m_model->allText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(m_title);
    column->addWidget(m_list, 1);
    column->addWidget(buttons);
    ScreenFit::fit(this, QSize(560, 420));
    m_list->setFocus();
}

void RunDetailsView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RunDetailsView::copySelection() const
{
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() && m_list->currentIndex().isValid())
        rows.append(m_list->currentIndex());
    // In the order shown, whatever order they were picked in.
    const auto place = [](const QModelIndex &row) {
        const QModelIndex group = row.parent();
        return group.isValid() ? std::pair(group.row(), row.row() + 1) : std::pair(row.row(), 0);
    };
    std::sort(rows.begin(), rows.end(),
        [&](const QModelIndex &a, const QModelIndex &b) { return place(a) < place(b); });
    QStringList lines;
    for (const QModelIndex &row : rows)
        lines.append(row.data().toString());
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
