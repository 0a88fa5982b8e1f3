#include "SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 maxRequestSize = qint64(64) * 1024;
constexpr int connectTimeoutMs = 1000;
constexpr int replyTimeoutMs = 5000;
// QByteArrayLiteral points at static data: nothing is allocated, nothing can throw.
// NOLINTBEGIN(cert-err58-cpp)
const QByteArray raiseRequest = QByteArrayLiteral("raise");
const QByteArray openRequest = QByteArrayLiteral("open ");
const QByteArray acknowledgement = QByteArrayLiteral("ok");
const QByteArray refusalPrefix = QByteArrayLiteral("refused ");
const QByteArray tokenKey = QByteArrayLiteral("token=");
const QByteArray startupIdKey = QByteArrayLiteral("startup-id=");
// NOLINTEND(cert-err58-cpp)

std::optional<QByteArray> fromBase64(const QByteArray &text)
{
    auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.contains('\0'))
        return std::nullopt;
    return decoded.decoded;
}

// The words of a request line, or nothing when it is not one.
std::optional<SingleInstance::Request> parseRequest(const QByteArray &line)
{
    const QList<QByteArray> words = line.split(' ');
    SingleInstance::Request request;
    qsizetype next = 1;
    if (words.first() == openRequest.trimmed() && words.size() > 1) {
        const auto folder = fromBase64(words.at(1));
        if (!folder || folder->isEmpty())
            return std::nullopt;
        request.folder = *folder;
        next = 2;
    } else if (words.first() != raiseRequest) {
        return std::nullopt;
    }
    for (const QByteArray &word : words.mid(next)) {
        const bool isToken = word.startsWith(tokenKey);
        if (!isToken && !word.startsWith(startupIdKey))
            return std::nullopt;
        const auto value = fromBase64(word.mid((isToken ? tokenKey : startupIdKey).size()));
        if (!value)
            return std::nullopt;
        (isToken ? request.activationToken : request.startupId) = *value;
    }
    return request;
}

// Defence in depth beside the socket's permissions: only our own user is listened to.
bool peerIsSameUser(const QLocalSocket *socket)
{
#ifdef SO_PEERCRED
    ucred credentials {};
    socklen_t size = sizeof credentials;
    if (::getsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size)
        != 0)
        return false;
    return credentials.uid == ::getuid();
#else
    Q_UNUSED(socket);
    return true;
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString &socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath.isEmpty() ? defaultSocketPath() : socketPath)
{ }

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath()
{
    // $XDG_RUNTIME_DIR, or a private folder Qt makes when that is not set.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
        + QStringLiteral("/io.github.tidyra.Tidyra.socket");
}

SingleInstance::Request SingleInstance::requestFromEnvironment(const QByteArray &folder)
{
    return { folder, qgetenv("XDG_ACTIVATION_TOKEN"), qgetenv("DESKTOP_STARTUP_ID") };
}

SingleInstance::Role SingleInstance::claim(const Request &request)
{
    // Two launches at once must not both find no instance and both listen.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    const bool locked = lock.tryLock(3000);

    if (handOver(request))
        return Role::handedOver;
    if (!locked)
        return Role::alone;

    // Nobody answers, so a socket file left there is a crashed instance's.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        qWarning("Tidyra: cannot listen on %s: %s", qPrintable(m_socketPath),
            qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return Role::alone;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return Role::primary;
}

bool SingleInstance::handOver(const Request &request)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    QByteArray line
        = request.folder.isEmpty() ? raiseRequest : openRequest + request.folder.toBase64();
    if (!request.activationToken.isEmpty())
        line += ' ' + tokenKey + request.activationToken.toBase64();
    if (!request.startupId.isEmpty())
        line += ' ' + startupIdKey + request.startupId.toBase64();
    socket.write(line + '\n');
    if (!socket.waitForBytesWritten(replyTimeoutMs))
        return false;
    // The answer tells that the request arrived; a hung instance still counts as running.
    while (!socket.canReadLine() && socket.waitForReadyRead(replyTimeoutMs)) { }
    const QByteArray answer = socket.readLine(maxRequestSize).trimmed();
    if (answer.startsWith(refusalPrefix))
        m_refusal = QString::fromUtf8(answer.mid(refusalPrefix.size()));
    return true;
}

void SingleInstance::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsSameUser(socket)) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // A client that never finishes its line is dropped.
        QTimer::singleShot(replyTimeoutMs, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void SingleInstance::read(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > maxRequestSize)
            socket->abort();
        return;
    }
    QByteArray line = socket->readLine(maxRequestSize);
    if (!line.endsWith('\n')) {
        socket->abort();
        return;
    }
    line.chop(1);
    std::optional<Request> request = parseRequest(line);
    // By its bytes: a name that is not valid in the locale's encoding must still match.
    struct stat info
    {
    };
    if (request && !request->folder.isEmpty()
        && (!request->folder.startsWith('/') || ::stat(request->folder.constData(), &info) != 0
            || !S_ISDIR(info.st_mode)))
        request.reset();
    if (!request) {
        socket->abort();
        return;
    }
    QString refusal = m_handler ? m_handler(*request) : QString();
    refusal.replace(u'\n', u' ');
    socket->write((refusal.isEmpty() ? acknowledgement : refusalPrefix + refusal.toUtf8()) + '\n');
    socket->disconnectFromServer();
}
