#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ScreenFit {
namespace {

// Room left for the window manager's frame and title bar, which are not known before
// the window is shown.
constexpr QSize frameAllowance(16, 48);

} // namespace

void fit(QWidget *window, const QSize &wanted)
{
    const QWidget *anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize room = (available.size() - frameAllowance).expandedTo(QSize(1, 1));
    window->setMinimumSize(window->minimumSize().boundedTo(room));
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSize()));

    QRect placed(window->pos(), window->size());
    if (!available.contains(placed)) {
        placed.moveLeft(std::clamp(placed.left(), available.left(),
            std::max(
                available.left(), available.right() - placed.width() - frameAllowance.width())));
        placed.moveTop(std::clamp(placed.top(), available.top(),
            std::max(
                available.top(), available.bottom() - placed.height() - frameAllowance.height())));
        window->move(placed.topLeft());
    }
}

void fit(QWidget *window)
{
    fit(window, window->size());
}

} // namespace ScreenFit
