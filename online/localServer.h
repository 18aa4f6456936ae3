#pragma once
// The veltan-server a host runs on this machine for the games it hosts: a
// child process of its own (the window never waits on its database), listening
// on a remembered port so that links given out stay good after a restart, its
// games in an SQLite file in the program's data folder. A server of an earlier
// run that still listens on the port is simply used: this one then ends at once
// and the game goes on there.

#include <QObject>
#include <QProcess>
#include <QString>

namespace online {

/// One veltan-server child process.
class TLocalServer : public QObject {
    Q_OBJECT

public:
    explicit TLocalServer(QObject* parent = nullptr);
    /// Asks the server to end and waits for it a moment; then it is killed.
    ~TLocalServer() override;
    TLocalServer(const TLocalServer&) = delete;
    TLocalServer& operator=(const TLocalServer&) = delete;

    /// The server program next to this one, in the build tree beside it, or on the PATH; empty when none.
    static QString FindProgram();
    /// The database every hosted game is kept in.
    static QString DatabasePath();

    /// Starts `program` listening on `listenHost` (all interfaces: "0.0.0.0") at `port`;
    /// returns at once. Empty when it was started, else why not.
    QString Start(const QString& program, const QString& listenHost, quint16 port);
    /// True while the child runs.
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    /// The port it was started on.
    quint16 Port() const { return port_; }

signals:
    /// The child ended; `output` is the end of what it wrote, for the player.
    void Ended(const QString& output);

private:
    void OnFinished();

    QProcess process_;
    quint16 port_ = 0;
};

} // namespace online
