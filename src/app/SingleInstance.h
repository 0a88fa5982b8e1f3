#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

// One Tidyra per user session. The first launch listens on a local socket in the user's
// runtime folder ($XDG_RUNTIME_DIR), reachable by that user only; a later launch hands
// its request over (raise the window, or also select a folder) and ends.
//
// A request is one line: "raise" or "open FOLDER", then any of "token=TOKEN" and
// "startup-id=ID", each value in base64, so that a folder name travels byte for byte
// whatever its encoding. The answer is "ok", or "refused " and why. Anything else, or
// a path that is not an existing folder, is ignored.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        primary, // this process is the one instance and now listens
        handedOver, // a running instance took the request; this process should end
        alone, // no socket could be made: run without single-instance behaviour
    };

    struct Request
    {
        QByteArray folder; // the path's bytes; empty: only raise the window
        // What lets the desktop raise the running window for this launch: the Wayland
        // activation token ($XDG_ACTIVATION_TOKEN) and the X11 startup id
        // ($DESKTOP_STARTUP_ID), as this launch was given them.
        QByteArray activationToken;
        QByteArray startupId;
    };
    // Carries out a request in the running instance: empty when done, otherwise why not.
    using Handler = std::function<QString(const Request &)>;

    // `socketPath` empty: the socket in the runtime folder.
    explicit SingleInstance(const QString &socketPath = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Hands `request` to a running instance, or becomes the instance. Safe against
    // launches racing each other.
    Role claim(const Request &request = {});
    // After a hand-over: why the running instance did not take the folder; empty when
    // it did, or did not answer in time.
    QString refusal() const { return m_refusal; }

    // Used once this is the instance; a folder that is not an existing folder never
    // reaches it.
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    QString socketPath() const { return m_socketPath; }
    static QString defaultSocketPath();
    // The request a launch makes from its environment; call before the window system
    // is opened, which takes the startup id out of the environment.
    static Request requestFromEnvironment(const QByteArray &folder);

private:
    bool handOver(const Request &request);
    void accept();
    void read(QLocalSocket *socket);

    QString m_socketPath;
    QLocalServer *m_server = nullptr;
    Handler m_handler;
    QString m_refusal;
};
