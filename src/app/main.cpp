#include "AppDelegate.h"
#include "CommandLine.h"
#include "FolderPath.h"
#include "SingleInstance.h"
#include "TidyraApp.h"
#include "Translations.h"
#include "WindowActivation.h"
#include "model/Text.h"
#include "services/filesystem/OpenFileLimit.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

// What Qt says while it opens the window system, held back until it has succeeded.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// Without a desktop session Qt aborts, after warnings that a plugin could not be loaded
// "even though it was found" and advice to reinstall the program: nothing of that helps.
void sayADesktopIsNeeded(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({ type, context.category, text });
        return;
    }
    (void)std::fputs("tidyra: no desktop session (X11 or Wayland) to show the window in; start "
                     "Tidyra from one (tidyra-cli works in any terminal)\n",
        stderr);
    std::_Exit(1);
}

std::unique_ptr<QApplication> openWindowSystem(int &argc, char **argv)
{
    const QtMessageHandler qtHandler = qInstallMessageHandler(sayADesktopIsNeeded);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage &message : std::exchange(heldMessages, {}))
        qtHandler(message.type,
            QMessageLogContext(nullptr, 0, nullptr, message.category.constData()), message.text);
    return application;
}

} // namespace

int main(int argc, char *argv[])
{
    // A run keeps handles on many destination folders at once; Qt polls with poll(),
    // not select(), so descriptors above 1024 are safe.
    OpenFileLimit::raiseToHardLimit();
    // The watch asks whether anyone writes a file by taking a read lease for an instant;
    // a writer opening the file then breaks it with SIGIO, which would end the program.
    static_cast<void>(std::signal(SIGIO, SIG_IGN));
    QApplication::setApplicationName(QStringLiteral("Tidyra"));
    QApplication::setApplicationVersion(QStringLiteral(TIDYRA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Tidyra"));
    int exitStatus = 0;
    const std::optional<CommandLine> options = CommandLine::parse(argc, argv, exitStatus);
    if (!options)
        return exitStatus;

    // Taken before the window system is opened, which consumes the startup id.
    const SingleInstance::Request request
        = SingleInstance::requestFromEnvironment(options->folder.bytes());

    const std::unique_ptr<QApplication> application = openWindowSystem(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tidyra"));
    // The Wayland app id and the X11 startup id match the desktop entry and AppStream id.
    QApplication::setDesktopFileName(QStringLiteral("io.github.tidyra.Tidyra"));
    Translations::install(QLocale::system());

    SingleInstance instance;
    if (instance.claim(request) == SingleInstance::Role::handedOver) {
        if (instance.refusal().isEmpty())
            return 0;
        // The name escaped, as everywhere it is printed: it cannot drive the terminal.
        (void)std::fprintf(stderr, "tidyra: %s was not selected: %s\n",
            Text::displayText(request.folder.toStdString()).c_str(),
            instance.refusal().toLocal8Bit().constData());
        return 1;
    }

    TidyraApp tidyra;
    instance.setHandler([&tidyra](const SingleInstance::Request &handed) {
        QString refusal = handed.folder.isEmpty() ? QString() : tidyra.handOverRefusal();
        WindowActivation::useToken(handed.activationToken, handed.startupId);
        tidyra.activate(refusal.isEmpty() ? FolderPath(handed.folder) : FolderPath());
        return refusal;
    });
    tidyra.start(options->hidden);
    if (!options->folder.isEmpty())
        tidyra.activate(options->folder);
    QTimer::singleShot(0, &AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
