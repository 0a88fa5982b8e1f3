#include "PreviewLineDelegate.h"

#include "CategoryIcons.h"
#include "FileCategory.h"
#include "ForegroundStyle.h"
#include "PreviewLine.h"
#include "PreviewRoles.h"
#include "Symbols.h"
#include "TextStyle.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int categoryIconColumn = 14;
constexpr int categorySpacing = 6;
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
    painter->save();
    if (PreviewLine::Kind(index.data(PreviewRoles::kind).toInt()) == PreviewLine::Kind::category)
        paintCategory(painter, option, line, index);
    else
        paintEntry(painter, option, line, index);
    painter->restore();
}

void PreviewLineDelegate::paintCategory(QPainter *painter, const QStyleOptionViewItem &option,
    const QRect &line, const QModelIndex &index) const
{
    const auto category = FileCategory(index.data(PreviewRoles::category).toInt());
    const QPixmap icon
        = categoryIconPixmap(category, m_categoryIconSize, painter->device()->devicePixelRatioF());
    painter->drawPixmap(QRect(line.left() + (categoryIconColumn - m_categoryIconSize) / 2,
                            line.top() + (line.height() - m_categoryIconSize) / 2,
                            m_categoryIconSize, m_categoryIconSize),
        icon);
    const QRect textRect = line.adjusted(categoryIconColumn + categorySpacing, 0, 0, 0);
    painter->setFont(m_categoryFont);
    painter->setPen(foregroundColor(option.palette, ForegroundStyle::primary));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        QFontMetrics(m_categoryFont)
            .elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textRect.width()));
}

void PreviewLineDelegate::paintEntry(QPainter *painter, const QStyleOptionViewItem &option,
    const QRect &line, const QModelIndex &index) const
{
    const bool isSubGroup
        = PreviewLine::Kind(index.data(PreviewRoles::kind).toInt()) == PreviewLine::Kind::subGroup;
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

    const QFont &font = isSubGroup ? m_subGroupFont : m_fileFont;
    const QRect textRect(x, line.top(), std::max(0, line.right() - x + 1), line.height());
    painter->setFont(font);
    painter->setPen(color);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        QFontMetrics(font).elidedText(
            index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textRect.width()));
}

QSize PreviewLineDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return { 2 * horizontalPadding + categoryIconColumn, m_lineHeight + rowSpacing };
}
