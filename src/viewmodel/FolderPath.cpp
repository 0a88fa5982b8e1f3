#include "FolderPath.h"

#include "model/Text.h"

namespace {

constexpr char16_t escapedByteBase = 0xDC00;

std::string_view viewOf(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype validSequence(const QByteArray &bytes, qsizetype at)
{
    for (qsizetype length = 1; length <= 4 && at + length <= bytes.size(); ++length) {
        if (Text::isValidUtf8(std::string_view(bytes.constData() + at, std::size_t(length))))
            return length;
    }
    return 0;
}

QString displayed(const QByteArray &bytes)
{
    return QString::fromStdString(Text::displayText(viewOf(bytes)));
}

} // namespace

FolderPath::FolderPath(const std::filesystem::path &path)
    : m_bytes(QByteArray::fromStdString(path.native()))
{ }

FolderPath FolderPath::fromUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    return FolderPath(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

FolderPath FolderPath::fromText(const QString &text)
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
    return FolderPath(bytes);
}

std::filesystem::path FolderPath::fileSystemPath() const
{
    return std::filesystem::path(m_bytes.toStdString());
}

QUrl FolderPath::url() const
{
    if (m_bytes.isEmpty())
        return {};
    return QUrl::fromEncoded("file://" + m_bytes.toPercentEncoding("/"), QUrl::StrictMode);
}

QString FolderPath::text() const
{
    if (Text::isValidUtf8(viewOf(m_bytes)))
        return QString::fromUtf8(m_bytes);
    QString text;
    for (qsizetype at = 0; at < m_bytes.size();) {
        const qsizetype length = validSequence(m_bytes, at);
        if (length == 0) {
            text += QChar(char16_t(escapedByteBase + quint8(m_bytes[at])));
            ++at;
        } else {
            text += QString::fromUtf8(m_bytes.constData() + at, length);
            at += length;
        }
    }
    return text;
}

QString FolderPath::display() const
{
    return displayed(m_bytes);
}

QString FolderPath::displayName() const
{
    qsizetype end = m_bytes.size();
    while (end > 1 && m_bytes.at(end - 1) == '/')
        --end;
    const QByteArray trimmed = m_bytes.left(end);
    if (trimmed == "/")
        return displayed(trimmed);
    return displayed(trimmed.mid(trimmed.lastIndexOf('/') + 1));
}
