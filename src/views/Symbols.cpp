#include "Symbols.h"

#include "TintedIconEngine.h"

#include <QFile>
#include <QHash>

// The glyphs live in a static library; their resource has to be registered by name.
static void registerBundledGlyphs()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(symbols);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// Symbolic variants only: they are single-colour, so tinting keeps their shape intact.
const QHash<QString, QString> &themeNames()
{
    static const QHash<QString, QString> names {
        { QStringLiteral("folder"), QStringLiteral("folder-symbolic") },
        { QStringLiteral("folder.fill"), QStringLiteral("folder-symbolic") },
        { QStringLiteral("eye"), QStringLiteral("view-reveal-symbolic") },
        { QStringLiteral("arrow.uturn.backward"), QStringLiteral("edit-undo-symbolic") },
        { QStringLiteral("info.circle"), QStringLiteral("dialog-information-symbolic") },
        { QStringLiteral("exclamationmark.octagon"), QStringLiteral("dialog-error-symbolic") },
        { QStringLiteral("exclamationmark.triangle"), QStringLiteral("dialog-warning-symbolic") },
        { QStringLiteral("clock.arrow.circlepath"),
            QStringLiteral("document-open-recent-symbolic") },
        { QStringLiteral("xmark.circle.fill"), QStringLiteral("window-close-symbolic") },
        { QStringLiteral("doc"), QStringLiteral("text-x-generic-symbolic") },
        { QStringLiteral("doc.text"), QStringLiteral("x-office-document-symbolic") },
        { QStringLiteral("film"), QStringLiteral("video-x-generic-symbolic") },
        { QStringLiteral("photo"), QStringLiteral("image-x-generic-symbolic") },
        { QStringLiteral("music.note"), QStringLiteral("audio-x-generic-symbolic") },
        { QStringLiteral("chevron.left.forwardslash.chevron.right"),
            QStringLiteral("text-x-script-symbolic") },
        { QStringLiteral("archivebox"), QStringLiteral("package-x-generic-symbolic") },
        { QStringLiteral("arrow.down.app"), QStringLiteral("system-software-install-symbolic") },
        { QStringLiteral("paintbrush"), QStringLiteral("applications-graphics-symbolic") },
        { QStringLiteral("textformat"), QStringLiteral("font-x-generic-symbolic") },
    };
    return names;
}

// The resource path of the bundled glyph; empty when none is bundled.
QString bundledPath(const QString &symbolName)
{
    registerBundledGlyphs();
    const QString path = QStringLiteral(":/symbols/%1.svg").arg(symbolName);
    return QFile::exists(path) ? path : QString();
}

} // namespace

namespace Symbols {

QIcon icon(const QString &symbolName, const QColor &tint)
{
    // Built once per symbol; tinting is done by the engine, so one shape serves all colours.
    static QHash<QString, QIcon> shapes;
    auto found = shapes.constFind(symbolName);
    if (found == shapes.constEnd()) {
        const QString bundled = bundledPath(symbolName);
        QIcon fallback = bundled.isEmpty() ? QIcon() : QIcon(bundled);
        const QString theme = themeNames().value(symbolName);
        QIcon shape = theme.isEmpty() ? fallback : QIcon::fromTheme(theme, fallback);
        found = shapes.insert(symbolName, shape);
    }
    if (found->isNull())
        return {};
    return QIcon(new TintedIconEngine(*found, tint));
}

} // namespace Symbols
