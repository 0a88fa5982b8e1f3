#include "FolderPath.h"

#include "model/Text.h"

namespace FolderPath {
namespace {

constexpr char16_t escapedByteBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype validSequence(const QByteArray &bytes, qsizetype at)
{
    for (qsizetype length = 1; length <= 4 && at + length <= bytes.size(); ++length) {
        if (Text::isValidUtf8(std::string_view(bytes.constData() + at, std::size_t(length))))
            return length;
    }
    return 0;
}

} // namespace

QString fromBytes(const QByteArray &bytes)
{
    if (Text::isValidUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = validSequence(bytes, at);
        if (length == 0) {
            text += QChar(char16_t(escapedByteBase + quint8(bytes[at])));
            ++at;
        } else {
            text += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        }
    }
    return text;
}

QByteArray toBytes(const QString &text)
{
    QByteArray bytes;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text.at(at).unicode();
        if (unit >= escapedByteBase + 0x80 && unit <= escapedByteBase + 0xFF
            && !(at > 0 && text.at(at - 1).isHighSurrogate())) {
            bytes += char(unit - escapedByteBase);
            continue;
        }
        const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        bytes += text.mid(at, length).toUtf8();
        at += length - 1;
    }
    return bytes;
}

std::filesystem::path toFileSystem(const QByteArray &bytes)
{
    return std::filesystem::path(bytes.toStdString());
}

QByteArray fromFileSystem(const std::filesystem::path &path)
{
    return QByteArray::fromStdString(path.native());
}

QUrl toUrl(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"), QUrl::StrictMode);
}

QByteArray fromUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

QString display(const QByteArray &bytes)
{
    return QString::fromStdString(
        Text::displayText(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

QByteArray lastComponent(const QByteArray &bytes)
{
    qsizetype end = bytes.size();
    while (end > 1 && bytes.at(end - 1) == '/')
        --end;
    QByteArray trimmed = bytes.left(end);
    if (trimmed == "/")
        return trimmed;
    return trimmed.mid(trimmed.lastIndexOf('/') + 1);
}

} // namespace FolderPath
