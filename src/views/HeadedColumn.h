#pragma once

#include "ForegroundStyle.h"

#include <QMargins>
#include <QString>

class QWidget;

// The layout of a list section: a caption-sized heading, a divider under it, and the
// content filling the rest. Lays `owner` out that way.
void layOutHeadedColumn(QWidget *owner, const QString &heading, ForegroundStyle tone,
    const QMargins &headingMargins, QWidget *content);
