#include "AppDelegate.h"

#include <QApplication>

// The icon is built into a static library; its resource has to be registered by name.
static void registerAppResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(app);
        return true;
    }();
    Q_UNUSED(registered);
}

void AppDelegate::applicationDidFinishLaunching()
{
    const QIcon icon = applicationIcon();
    // Without an icon the desktop's default stays; that is not worth a message.
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
}

QIcon AppDelegate::applicationIcon()
{
    registerAppResources();
    return QIcon::fromTheme(
        QStringLiteral("io.github.tidyra.Tidyra"), QIcon(QStringLiteral(":/app/tidyra.svg")));
}
