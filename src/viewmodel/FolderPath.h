#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <filesystem>

// A folder's path as the file system has it (bytes), carried through the Qt parts of
// the app without losing a byte. QString and QUrl cannot hold bytes that are not
// UTF-8, so where a path must travel as a QString (the folder chooser, the command
// line) each such byte is kept as the lone surrogate U+DC80..U+DCFF, which no valid
// text contains, and turned back into the same byte at the other end.
namespace FolderPath {

QString fromBytes(const QByteArray &bytes);
QByteArray toBytes(const QString &text);

std::filesystem::path toFileSystem(const QByteArray &bytes);
QByteArray fromFileSystem(const std::filesystem::path &path);

// A file URL that keeps every byte (percent-encoded), and the bytes back from it.
QUrl toUrl(const QByteArray &bytes);
QByteArray fromUrl(const QUrl &url);

// Fit for showing on one line: invalid bytes as U+FFFD, control characters escaped.
QString display(const QByteArray &bytes);
// The last component of a path, ignoring trailing slashes ("/" stays "/").
QByteArray lastComponent(const QByteArray &bytes);

} // namespace FolderPath
