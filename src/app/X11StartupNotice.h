#pragma once

#include <QByteArray>

class QWidget;

// The X11 side of activation for a second launch: its startup id (the launcher's
// $DESKTOP_STARTUP_ID, "…_TIME<user time>") is what a window manager that prevents
// focus stealing weighs a raise against, and the launcher's busy cursor ends only when
// the sequence of that id is reported complete. Does nothing outside X11.
namespace X11StartupNotice {

// Asks the window manager to activate `window` on behalf of the launch with
// `startupId`, at its user time, and tells the launcher the launch is complete.
void activate(QWidget *window, const QByteArray &startupId);

} // namespace X11StartupNotice
