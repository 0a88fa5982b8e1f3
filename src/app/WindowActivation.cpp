#include "WindowActivation.h"

#include "X11StartupNotice.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QWidget>

#include <utility>

namespace {

QByteArray pendingToken;
QByteArray pendingStartupId;

// The visible dialog the user works in: a modal one (the preview is window-modal), or
// the last dialog shown over the main window.
QWidget *topmostDialog(QWidget *mainWindow)
{
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    QWidget *found = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(widget) && widget->isVisible()
            && widget->parentWidget() == mainWindow)
            found = widget;
    }
    return found;
}

} // namespace

void WindowActivation::useToken(const QByteArray &activationToken, const QByteArray &startupId)
{
    pendingToken = activationToken;
    pendingStartupId = startupId;
}

QWidget *WindowActivation::bringForward(QWidget *mainWindow)
{
    mainWindow->setWindowState(mainWindow->windowState() & ~Qt::WindowMinimized);
    mainWindow->show();
    mainWindow->raise();
    QWidget *target = topmostDialog(mainWindow);
    if (!target)
        target = mainWindow;
    target->raise();
    // Qt's Wayland client hands this token to the compositor with the next activation
    // request, then drops it.
    if (!pendingToken.isEmpty() && QGuiApplication::platformName().startsWith(u"wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", pendingToken);
    pendingToken.clear();
    target->activateWindow();
    X11StartupNotice::activate(target, std::exchange(pendingStartupId, {}));
    return target;
}
