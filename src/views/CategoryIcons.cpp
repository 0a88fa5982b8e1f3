#include "CategoryIcons.h"

#include "NamedColors.h"
#include "Symbols.h"

QPixmap categoryIconPixmap(FileCategory symbol, NamedColor tint, int size, qreal devicePixelRatio)
{
    const std::string_view name = iconName(symbol);
    return Symbols::icon(QString::fromLatin1(name.data(), qsizetype(name.size())), namedColor(tint))
        .pixmap(QSize(size, size), devicePixelRatio);
}
