#pragma once

#include <QIcon>

// What happens once the application has started: it takes on its own icon, which
// window managers and task switchers show for all its windows.
class AppDelegate
{
public:
    static void applicationDidFinishLaunching();
    // The installed theme icon "io.github.tidyra.Tidyra", else the copy built into the program.
    static QIcon applicationIcon();
};
