#pragma once
// The built veltan-server as a child process of a test: on a free loopback
// port and a database in the test's own folder, killed or stopped at will and
// started again on the same database, its log kept for the failure message.

#include <QProcess>
#include <QString>
#include <QUrl>
#include <memory>

/// How long a server may take to accept connections, or to end after SIGTERM.
inline constexpr int ServerWaitMs = 10'000;

/// One veltan-server process.
class TServerProcess {
public:
    /// A server whose database and log live in `folder` (which must exist); not started.
    explicit TServerProcess(const QString& folder);
    /// Kills a server still running.
    ~TServerProcess();
    TServerProcess(const TServerProcess&) = delete;
    TServerProcess& operator=(const TServerProcess&) = delete;

    /// True when the build has a server program to start.
    static bool Built();
    /// Starts the server on a free loopback port (another one when it could
    /// not listen, a few times) and returns once it accepts connections;
    /// false when it never did within ServerWaitMs a try (Log says why).
    bool Start();
    /// Starts it again on the same database and, when free, the same port.
    bool Restart();
    /// Ends it with SIGKILL, as a crash would, and waits for it.
    void Kill();
    /// Asks it to end with SIGTERM; its exit code, or -1 when it had to be killed.
    int Stop();

    bool Running() const;
    quint16 Port() const { return port_; }
    /// ws://127.0.0.1:PORT/veltan/1
    QUrl Url() const;
    /// The database file every start of this server uses.
    QString DatabasePath() const;
    /// Everything the server wrote to standard output and error, over all its starts.
    QString Log() const;

private:
    bool StartOn(quint16 port);
    bool AwaitListening();

    QString folder_;
    quint16 port_ = 0;
    std::unique_ptr<QProcess> process_;
};

/// A loopback port free at the moment of asking (0 when none could be had).
quint16 FreeLoopbackPort();
