#include "HeadedColumn.h"

#include "Divider.h"
#include "StyledLabel.h"

#include <QVBoxLayout>

void layOutHeadedColumn(QWidget *owner, const QString &heading, ForegroundStyle tone,
    const QMargins &headingMargins, QWidget *content)
{
    auto *title = new StyledLabel(heading, TextStyle::caption, true, tone, owner);
    title->setContentsMargins(headingMargins);
    content->setParent(owner);

    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addWidget(new Divider(Qt::Horizontal, owner));
    layout->addWidget(content, 1);
}
