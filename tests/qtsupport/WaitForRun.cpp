#include "WaitForRun.h"

#include "FolderOrganizerViewModel.h"

#include <QEventLoop>
#include <QTimer>

bool waitForRun(FolderOrganizerViewModel &viewModel, int timeoutMs)
{
    if (!viewModel.isOrganizing())
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    QObject::connect(&viewModel, &FolderOrganizerViewModel::isOrganizingChanged, &loop, [&] {
        if (!viewModel.isOrganizing())
            loop.quit();
    });
    loop.exec();
    return !viewModel.isOrganizing();
}
