#include "AppDelegate.h"
#include "CommandLine.h"
#include "OpenFileLimit.h"
#include "SingleInstance.h"
#include "TidyraApp.h"
#include "Translations.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

int main(int argc, char *argv[])
{
    // A run keeps handles on many destination folders at once; Qt polls with poll(),
    // not select(), so descriptors above 1024 are safe.
    OpenFileLimit::raiseToHardLimit();
    QApplication::setApplicationName(QStringLiteral("Tidyra"));
    QApplication::setApplicationVersion(QStringLiteral(TIDYRA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Tidyra"));
    int exitStatus = 0;
    const std::optional<CommandLine> options = CommandLine::parse(argc, argv, exitStatus);
    if (!options)
        return exitStatus;

    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tidyra"));
    // The Wayland app id and the X11 startup id match the desktop entry and AppStream id.
    QApplication::setDesktopFileName(QStringLiteral("io.github.tidyra.Tidyra"));
    Translations::install(QLocale::system());

    SingleInstance instance;
    if (instance.claim(options->folder) == SingleInstance::Role::handedOver)
        return 0;

    TidyraApp tidyra;
    QObject::connect(&instance, &SingleInstance::activationRequested, &tidyra,
        [&tidyra](const QString &folder) { tidyra.activate(folder); });
    tidyra.start(options->hidden);
    if (!options->folder.isEmpty())
        tidyra.activate(options->folder);
    QTimer::singleShot(0, &AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
