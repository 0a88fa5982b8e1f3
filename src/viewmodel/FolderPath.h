#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QUrl>

#include <filesystem>

// A folder's path as the file system has it: bytes, whatever their encoding, carried
// through the Qt parts of the app without losing one, and the one form in which the
// app holds and passes a folder. What is shown, handed to the dialog or to the engine
// is made from the bytes where it is needed.
class FolderPath
{
public:
    FolderPath() = default;
    explicit FolderPath(QByteArray bytes)
        : m_bytes(std::move(bytes))
    { }
    // The engine's path (the folder of a plan or of a run's details).
    explicit FolderPath(const std::filesystem::path &path);
    // The path of a file URL, every byte percent-encoded in it kept; none for another URL.
    static FolderPath fromUrl(const QUrl &url);
    // Text that must travel as a QString (the command line's parser), made by text().
    static FolderPath fromText(const QString &text);

    bool isEmpty() const { return m_bytes.isEmpty(); }
    const QByteArray &bytes() const { return m_bytes; }
    // What the engine takes.
    std::filesystem::path fileSystemPath() const;
    // A file URL that keeps every byte (percent-encoded); empty for no folder.
    QUrl url() const;
    // The path as text where it must travel as a QString: each byte that is not UTF-8
    // becomes the lone surrogate U+DC80..U+DCFF, which no valid text contains, and
    // fromText() turns it back into the same byte.
    QString text() const;
    // Fit for showing on one line: invalid bytes as U+FFFD, control characters escaped.
    QString display() const;
    // The last component, fit for one line likewise (trailing slashes ignored, "/"
    // stays "/"); empty for no folder.
    QString displayName() const;

    friend bool operator==(const FolderPath &, const FolderPath &) = default;

private:
    QByteArray m_bytes;
};

Q_DECLARE_METATYPE(FolderPath)
