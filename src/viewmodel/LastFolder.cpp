#include "LastFolder.h"

#include "SettingsStore.h"
#include "model/Text.h"

#include <QString>

namespace {

constexpr QLatin1String lastFolderPathKey("lastFolderPath");
// Beside "lastFolderPath", which is text, the bytes of a path that is not UTF-8.
constexpr QLatin1String lastFolderBytesKey("lastFolderPathBytes");

} // namespace

FolderPath LastFolder::read(const SettingsStore &settings)
{
    const QString stored = settings.stringValue(lastFolderPathKey);
    if (stored.isEmpty())
        return {};
    const QByteArray storedBytes
        = QByteArray::fromBase64(settings.stringValue(lastFolderBytesKey).toLatin1());
    // Taken only while it still belongs to the stored text, which another program may
    // have rewritten.
    if (!storedBytes.isEmpty() && QString::fromUtf8(storedBytes) == stored)
        return FolderPath(storedBytes);
    return FolderPath::fromText(stored);
}

void LastFolder::write(SettingsStore &settings, const FolderPath &folder)
{
    const QByteArray &path = folder.bytes();
    settings.setStringValue(lastFolderPathKey, QString::fromUtf8(path));
    const bool isText = Text::isValidUtf8(path.toStdString());
    settings.setStringValue(
        lastFolderBytesKey, isText ? QString() : QString::fromLatin1(path.toBase64()));
}
