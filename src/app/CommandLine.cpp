#include "CommandLine.h"

#include "FolderPath.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    // Help and errors of the command line: where they cannot be written, nothing is
    // left to tell, and the exit status says the rest.
    (void)std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    (void)std::fflush(stream);
}

bool isFolder(const QByteArray &path)
{
    struct stat info
    {
    };
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder as an absolute path, the bytes of its name kept (see FolderPath::text).
QString absoluteFolder(const QString &argument)
{
    if (argument.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(argument);
    QByteArray here(4096, '\0');
    while (!::getcwd(here.data(), std::size_t(here.size())) && errno == ERANGE)
        here.resize(here.size() * 2);
    here.resize(qsizetype(std::strlen(here.constData())));
    return QDir::cleanPath(FolderPath(here).text() + QLatin1Char('/') + argument);
}

} // namespace

std::optional<CommandLine> CommandLine::parse(int argc, char **argv, int &exitStatus)
{
    // The help text names the program from the application's arguments, so it needs an
    // application object. A plain one opens no display; it is made only when the
    // program is about to end, so that main can make the real one.
    std::optional<QCoreApplication> console;
    const auto helpText = [&](const QCommandLineParser &parser) {
        if (!QCoreApplication::instance())
            console.emplace(argc, argv);
        return parser.helpText();
    };

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FolderPath(QByteArray(argv[i])).text(); // a folder's bytes, kept

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tidyra sorts the files lying directly in a folder into category folders "
                       "(Images, Documents, ... Others), with a preview first and an undo after.\n"
                       "Only one Tidyra runs per session: a second start brings its window "
                       "forward, and hands it FOLDER to select."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Show this help and exit."));
    // -V too, as tidyra-cli takes it: the two programs answer the same version flags.
    const QCommandLineOption version(
        { QStringLiteral("v"), QStringLiteral("V"), QStringLiteral("version") },
        QStringLiteral("Show the version and exit."));
    const QCommandLineOption hidden(QStringLiteral("hidden"),
        QStringLiteral("Start in the system tray without showing the window (as at login)."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(hidden);
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder to select."),
        QStringLiteral("[FOLDER]"));

    exitStatus = 0;
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("tidyra: %1\n\n%2").arg(parser.errorText(), helpText(parser)));
        exitStatus = 2;
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        print(stdout, helpText(parser));
        return std::nullopt;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("tidyra %1\n").arg(QCoreApplication::applicationVersion()));
        return std::nullopt;
    }

    CommandLine options;
    options.hidden = parser.isSet(hidden);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        print(stderr, QStringLiteral("tidyra: one folder at most\n\n%1").arg(helpText(parser)));
        exitStatus = 2;
        return std::nullopt;
    }
    if (!positional.isEmpty()) {
        const FolderPath folder = FolderPath::fromText(absoluteFolder(positional.first()));
        if (!isFolder(folder.bytes())) {
            print(stderr,
                QStringLiteral("tidyra: not a folder: %1\n")
                    .arg(FolderPath::fromText(positional.first()).display()));
            exitStatus = 2;
            return std::nullopt;
        }
        options.folder = folder;
    }
    return options;
}
