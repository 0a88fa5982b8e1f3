#include "PreviewLineDelegate.h"

#include "FileCategory.h"
#include "ForegroundStyle.h"
#include "PreviewLine.h"
#include "PreviewRoles.h"
#include "RowPainting.h"
#include "Symbols.h"
#include "TextStyle.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int entrySpacing = 4;
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

void PreviewLineDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect line = option.rect.adjusted(horizontalPadding, 0, -horizontalPadding, -rowSpacing);
    const auto kind = PreviewLine::Kind(index.data(PreviewRoles::kind).toInt());
    painter->save();
    if (kind == PreviewLine::Kind::category) {
        drawCategoryLine(painter, line, FileCategory(index.data(PreviewRoles::category).toInt()),
            m_categoryIconSize, m_categoryFont,
            foregroundColor(option.palette, ForegroundStyle::primary),
            index.data(Qt::DisplayRole).toString());
    } else {
        paintEntry(painter, option, line, index, kind == PreviewLine::Kind::subGroup);
    }
    painter->restore();
}

void PreviewLineDelegate::paintEntry(QPainter *painter, const QStyleOptionViewItem &option,
    const QRect &line, const QModelIndex &index, bool isSubGroup) const
{
    const int indent = index.data(PreviewRoles::indent).toInt();
    const ForegroundStyle style
        = isSubGroup ? ForegroundStyle::secondary : ForegroundStyle::tertiary;
    const QColor color = foregroundColor(option.palette, style);

    int x = line.left() + indent * m_indentStep + entrySpacing;
    const QRect iconRect(
        x, line.top() + (line.height() - m_entryIconSize) / 2, m_entryIconSize, m_entryIconSize);
    Symbols::icon(isSubGroup ? QStringLiteral("folder") : QStringLiteral("doc"), color)
        .paint(painter, iconRect);
    x += m_entryIconSize + entrySpacing;

    const QRect textRect(x, line.top(), std::max(0, line.right() - x + 1), line.height());
    drawElidedLine(painter, textRect, isSubGroup ? m_subGroupFont : m_fileFont, color,
        index.data(Qt::DisplayRole).toString());
}

QSize PreviewLineDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return { 2 * horizontalPadding + categoryIconColumn, m_lineHeight + rowSpacing };
}
