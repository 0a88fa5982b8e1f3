#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One Tidyra per user session. The first launch listens on a local socket in the user's
// runtime folder ($XDG_RUNTIME_DIR), reachable by that user only; a later launch hands
// its request over (raise the window, or also select a folder) and ends.
//
// A request is one line: "raise", or "open " and the folder's path bytes in base64.
// Anything else, or a path that is not an existing folder, is ignored.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        primary, // this process is the one instance and now listens
        handedOver, // a running instance took the request; this process should end
        alone, // no socket could be made: run without single-instance behaviour
    };

    // `socketPath` empty: the socket in the runtime folder.
    explicit SingleInstance(const QString &socketPath = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Hands `folder` (or, when empty, a request to be raised) to a running instance,
    // or becomes the instance. Safe against launches racing each other.
    Role claim(const QString &folder = {});

    QString socketPath() const { return m_socketPath; }
    static QString defaultSocketPath();

signals:
    // Another launch asked for the window; `folder` is empty or an existing folder.
    void activationRequested(const QString &folder);

private:
    bool handOver(const QString &folder);
    void accept();
    void read(QLocalSocket *socket);

    QString m_socketPath;
    QLocalServer *m_server = nullptr;
};
