#include "AppDelegate.h"
#include "OpenFileLimit.h"
#include "TidyraApp.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    // A run keeps handles on many destination folders at once; Qt polls with poll(),
    // not select(), so descriptors above 1024 are safe.
    OpenFileLimit::raiseToHardLimit();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tidyra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tidyra"));
    QApplication::setOrganizationName(QStringLiteral("Tidyra"));
    QApplication::setDesktopFileName(QStringLiteral("tidyra"));

    TidyraApp tidyra;
    tidyra.start();
    QTimer::singleShot(0, &AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
