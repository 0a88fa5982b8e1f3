#include "CategoryIcons.h"

#include "NamedColors.h"
#include "Symbols.h"

QPixmap categoryIconPixmap(FileCategory category, int size, qreal devicePixelRatio)
{
    const std::string_view name = iconName(category);
    return Symbols::icon(
        QString::fromLatin1(name.data(), qsizetype(name.size())), categoryColor(category))
        .pixmap(QSize(size, size), devicePixelRatio);
}
