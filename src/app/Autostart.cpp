#include "Autostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

// QStringLiteral points at static data: nothing is allocated, nothing can throw.
const QString Autostart::fileName // NOLINT(cert-err58-cpp)
    = QStringLiteral("io.github.tidyra.Tidyra.desktop");

namespace {

// An Exec argument: quoted when it holds a reserved character, with `"`, `` ` ``, `$`
// and `\` escaped inside the quotes; then every `\` doubled, as the entry's string
// type asks.
QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    QString quoted = argument;
    if (needsQuotes) {
        quoted.clear();
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += u'\\';
            quoted += c;
        }
        quoted = u'"' + quoted + u'"';
    }
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

// A plain string value: only the backslash and control characters are escaped.
QString stringValue(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
}

} // namespace

Autostart::Autostart(const QString &folder)
    : m_folder(folder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/autostart")
            : folder)
{ }

QString Autostart::filePath() const
{
    return m_folder + u'/' + fileName;
}

bool Autostart::isEnabled() const
{
    return QFile::exists(filePath());
}

QString Autostart::setEnabled(bool enabled) const
{
    if (!enabled) {
        QFile file(filePath());
        if (!file.exists() || file.remove())
            return {};
        return tr("Cannot remove \"%1\": %2").arg(filePath(), file.errorString());
    }
    if (!QDir().mkpath(m_folder))
        return tr("Cannot create the folder \"%1\"").arg(m_folder);
    QSaveFile file(filePath());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(entryText(QCoreApplication::applicationFilePath()).toUtf8());
        if (file.commit())
            return {};
    }
    return tr("Cannot write \"%1\": %2").arg(filePath(), file.errorString());
}

QString Autostart::entryText(const QString &program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tidyra\n"
                          "Comment=Tidyra in the system tray\n"
                          "Exec=%1 --hidden\n"
                          // A login after the program was removed starts nothing,
                          // rather than failing.
                          "TryExec=%2\n"
                          "Icon=io.github.tidyra.Tidyra\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(program), stringValue(program));
}
