#include "PreviewLineDelegate.h"

#include "ErrorStyle.h"
#include "ForegroundStyle.h"
#include "PreviewLine.h"
#include "PreviewRoles.h"
#include "RowPainting.h"
#include "Symbols.h"
#include "TextStyle.h"
#include "model/FileCategory.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int entrySpacing = 4;

PreviewLine::Kind kindOf(const QModelIndex &index)
{
    return PreviewLine::Kind(index.data(PreviewRoles::kind).toInt());
}

bool isHeading(PreviewLine::Kind kind)
{
    return kind == PreviewLine::Kind::category || kind == PreviewLine::Kind::skippedHeading;
}

} // namespace

PreviewLineDelegate::PreviewLineDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_categoryFont(textStyleFont(TextStyle::caption, true))
    , m_subGroupFont(textStyleFont(TextStyle::caption))
    , m_fileFont(textStyleFont(TextStyle::caption2))
{
    const QFontMetrics body(QApplication::font());
    m_categoryIconSize = std::min(categoryIconColumn, QFontMetrics(m_categoryFont).height());
    m_entryIconSize = QFontMetrics(m_fileFont).height() - 2;
    m_indentStep = body.horizontalAdvance(QStringLiteral("  "));
    // Every line is as tall as the tallest kind, so the list can use uniform rows.
    m_lineHeight = std::max({ body.height(), QFontMetrics(m_categoryFont).height(),
        QFontMetrics(m_subGroupFont).height(), m_categoryIconSize });
}

QRect PreviewLineDelegate::lineRect(const QStyleOptionViewItem &option) const
{
    return option.rect.adjusted(horizontalPadding, 0, -horizontalPadding, -rowSpacing);
}

const QFont &PreviewLineDelegate::fontOf(const QModelIndex &index) const
{
    const PreviewLine::Kind kind = kindOf(index);
    if (isHeading(kind))
        return m_categoryFont;
    return kind == PreviewLine::Kind::subGroup ? m_subGroupFont : m_fileFont;
}

QRect PreviewLineDelegate::entryTextRect(const QRect &line, const QModelIndex &index) const
{
    if (isHeading(kindOf(index)))
        return line.adjusted(categoryIconColumn + categoryIconSpacing, 0, 0, 0);
    const int indent = index.data(PreviewRoles::indent).toInt();
    const int x = line.left() + indent * m_indentStep + 2 * entrySpacing + m_entryIconSize;
    return { x, line.top(), std::max(0, line.right() - x + 1), line.height() };
}

void PreviewLineDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect line = lineRect(option);
    const PreviewLine::Kind kind = kindOf(index);
    drawCurrentRowMark(painter, option);
    painter->save();
    if (kind == PreviewLine::Kind::category) {
        drawCategoryLine(painter, line, index, m_categoryIconSize, m_categoryFont,
            foregroundColor(option.palette, ForegroundStyle::primary));
    } else if (kind == PreviewLine::Kind::skippedHeading) {
        const QRect iconRect(line.left() + (categoryIconColumn - m_categoryIconSize) / 2,
            line.top() + (line.height() - m_categoryIconSize) / 2, m_categoryIconSize,
            m_categoryIconSize);
        Symbols::icon(QStringLiteral("exclamationmark.octagon"), errorColor(option.palette))
            .paint(painter, iconRect);
        drawElidedLine(painter, entryTextRect(line, index), m_categoryFont,
            foregroundColor(option.palette, ForegroundStyle::primary),
            index.data(Qt::DisplayRole).toString());
    } else {
        paintEntry(painter, option, line, index);
    }
    painter->restore();
}

void PreviewLineDelegate::paintEntry(QPainter *painter, const QStyleOptionViewItem &option,
    const QRect &line, const QModelIndex &index) const
{
    const bool isSubGroup = kindOf(index) == PreviewLine::Kind::subGroup;
    const int indent = index.data(PreviewRoles::indent).toInt();
    const ForegroundStyle style
        = isSubGroup ? ForegroundStyle::secondary : ForegroundStyle::tertiary;
    const QColor color = foregroundColor(option.palette, style);

    const int x = line.left() + indent * m_indentStep + entrySpacing;
    const QRect iconRect(
        x, line.top() + (line.height() - m_entryIconSize) / 2, m_entryIconSize, m_entryIconSize);
    Symbols::icon(isSubGroup ? QStringLiteral("folder") : QStringLiteral("doc"), color)
        .paint(painter, iconRect);
    drawElidedLine(painter, entryTextRect(line, index), fontOf(index), color,
        index.data(Qt::DisplayRole).toString());
}

bool PreviewLineDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    return showCutTextTip(event, view, entryTextRect(lineRect(option), index), fontOf(index),
        index.data(Qt::DisplayRole).toString());
}

QSize PreviewLineDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return { 2 * horizontalPadding + categoryIconColumn, m_lineHeight + rowSpacing };
}
