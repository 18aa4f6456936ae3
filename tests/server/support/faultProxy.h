#pragma once
// A TCP proxy on the loopback between clients and the server that makes the
// network as bad as a test wants: late, cut off, or cut after some bytes.
// Clients connect to the proxy's port; it forwards every byte both ways.

#include <QObject>
#include <QTcpServer>
#include <QUrl>
#include <memory>
#include <vector>

class QTcpSocket;

/// A loopback proxy to one server port.
class TFaultProxy : public QObject {
    Q_OBJECT

public:
    explicit TFaultProxy(QObject* parent = nullptr);
    ~TFaultProxy() override;

    /// Listens on a free loopback port and forwards to `targetPort`; false when it cannot listen.
    bool Listen(quint16 targetPort);
    /// Forwards new connections to another port (a restarted server's).
    void SetTarget(quint16 targetPort) { target_ = targetPort; }
    quint16 Port() const { return server_.serverPort(); }
    /// ws://127.0.0.1:PORT/veltan/1, the server's URL through the proxy.
    QUrl Url() const;

    /// Holds every piece of data this long before passing it on (0: at once), order kept.
    void SetDelay(int ms) { delayMs_ = ms; }
    /// Cuts every current connection at once, on both sides.
    void CutAll();
    /// From now on a connection is cut once it has carried this many more
    /// bytes, both ways counted; 0 lets connections carry any amount again.
    void DropAfter(qint64 bytes);

    /// Connections open now.
    int OpenConnections() const { return static_cast<int>(pairs_.size()); }
    /// Connections the proxy has cut so far.
    int Cuts() const { return cuts_; }

private:
    struct TPair;
    void OnNewConnection();
    void Forward(TPair& pair, QTcpSocket& from, QTcpSocket& to);
    // Closes both sockets of a pair (if still open) and drops it.
    void Forget(TPair* pair);

    QTcpServer server_;
    quint16 target_ = 0;
    int delayMs_ = 0;
    qint64 dropAfter_ = 0;
    int cuts_ = 0;
    std::vector<std::unique_ptr<TPair>> pairs_;
};
