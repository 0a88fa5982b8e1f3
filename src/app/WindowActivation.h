#pragma once

#include <QByteArray>

class QWidget;

// Brings the application forward where the user is: the main window, and above it the
// dialog the user was busy with (the preview, the folder chooser), which gets the
// keyboard. A token that a second launch was given by the desktop lets the compositor
// raise the window for it, which Wayland desktops refuse a program on its own.
namespace WindowActivation {

// The Wayland activation token and the X11 startup id of a second launch, for the next
// bringForward; used once.
void useToken(const QByteArray &activationToken, const QByteArray &startupId = {});

// Shows `mainWindow` (restored when minimized or hidden in the tray), then raises and
// activates the topmost dialog over it, or the window itself when there is none.
// Returns the widget that was activated.
QWidget *bringForward(QWidget *mainWindow);

} // namespace WindowActivation
