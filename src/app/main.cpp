#include "AppDelegate.h"
#include "TidyraApp.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
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
