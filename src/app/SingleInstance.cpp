#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qint64 maxRequestSize = 64 * 1024;
constexpr int connectTimeoutMs = 1000;
constexpr int replyTimeoutMs = 5000;
const QByteArray raiseRequest = QByteArrayLiteral("raise");
const QByteArray openRequest = QByteArrayLiteral("open ");
const QByteArray acknowledgement = QByteArrayLiteral("ok\n");

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

SingleInstance::Role SingleInstance::claim(const QString &folder)
{
    // Two launches at once must not both find no instance and both listen.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    const bool locked = lock.tryLock(3000);

    if (handOver(folder))
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

bool SingleInstance::handOver(const QString &folder)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    const QByteArray request
        = folder.isEmpty() ? raiseRequest : openRequest + QFile::encodeName(folder).toBase64();
    socket.write(request + '\n');
    if (!socket.waitForBytesWritten(replyTimeoutMs))
        return false;
    // The reply tells that the request arrived; a hung instance still counts as running.
    while (!socket.canReadLine() && socket.waitForReadyRead(replyTimeoutMs)) { }
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
    socket->write(acknowledgement);
    socket->disconnectFromServer();

    if (line == raiseRequest) {
        emit activationRequested({});
        return;
    }
    if (!line.startsWith(openRequest))
        return;
    const auto decoded = QByteArray::fromBase64Encoding(
        line.mid(openRequest.size()), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty() || decoded.decoded.contains('\0'))
        return;
    const QString folder = QFile::decodeName(decoded.decoded);
    if (QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir())
        emit activationRequested(folder);
}
