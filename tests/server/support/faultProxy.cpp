#include "faultProxy.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include "protocolLimits.h"

// One client connection and its connection to the server. The sockets are
// children of the proxy; a pair is forgotten when either side closes.
struct TFaultProxy::TPair {
    QPointer<QTcpSocket> client;
    QPointer<QTcpSocket> server;
    qint64 carried = 0;
    qint64 budget = 0; ///< cut once `carried` passes it; 0: never
};

TFaultProxy::TFaultProxy(QObject* parent) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, &TFaultProxy::OnNewConnection);
}

TFaultProxy::~TFaultProxy()
{
    CutAll();
}

bool TFaultProxy::Listen(quint16 targetPort)
{
    target_ = targetPort;
    return server_.listen(QHostAddress::LocalHost, 0);
}

QUrl TFaultProxy::Url() const
{
    return QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(Port()).arg(QLatin1String(net::WebSocketPath)));
}

void TFaultProxy::OnNewConnection()
{
    while (QTcpSocket* client = server_.nextPendingConnection()) {
        client->setParent(this);
        auto pair = std::make_unique<TPair>();
        TPair* const p = pair.get();
        p->client = client;
        p->server = new QTcpSocket(this);
        p->budget = dropAfter_;
        pairs_.push_back(std::move(pair));
        connect(client, &QTcpSocket::readyRead, this, [this, p] { Forward(*p, *p->client, *p->server); });
        connect(p->server, &QTcpSocket::readyRead, this, [this, p] { Forward(*p, *p->server, *p->client); });
        // Either side gone: the other goes too, as through a real network path.
        connect(client, &QTcpSocket::disconnected, this, [this, p] { Forget(p); });
        connect(p->server, &QTcpSocket::disconnected, this, [this, p] { Forget(p); });
        connect(p->server, &QTcpSocket::errorOccurred, this, [this, p] { Forget(p); });
        p->server->connectToHost(QHostAddress::LocalHost, target_);
    }
}

void TFaultProxy::Forward(TPair& pair, QTcpSocket& from, QTcpSocket& to)
{
    const QByteArray data = from.readAll();
    pair.carried += data.size();
    if (pair.budget > 0 && pair.carried > pair.budget) {
        ++cuts_;
        Forget(&pair);
        return;
    }
    // A socket still connecting to the server keeps what it is given until it is up.
    const auto write = [target = QPointer<QTcpSocket>(&to), data] {
        if (!target.isNull() && target->state() != QAbstractSocket::UnconnectedState)
            target->write(data);
    };
    // Timers of one length fire in the order they were started, so the stream keeps its order.
    if (delayMs_ > 0)
        QTimer::singleShot(delayMs_, &to, write);
    else
        write();
}

void TFaultProxy::CutAll()
{
    while (!pairs_.empty()) {
        ++cuts_;
        Forget(pairs_.back().get());
    }
}

void TFaultProxy::DropAfter(qint64 bytes)
{
    dropAfter_ = bytes;
    for (const std::unique_ptr<TPair>& pair : pairs_)
        pair->budget = bytes > 0 ? pair->carried + bytes : 0;
}

void TFaultProxy::Forget(TPair* pair)
{
    const auto found = std::find_if(pairs_.begin(), pairs_.end(),
                                    [pair](const std::unique_ptr<TPair>& p) { return p.get() == pair; });
    if (found == pairs_.end())
        return;
    const std::unique_ptr<TPair> gone = std::move(*found);
    pairs_.erase(found);
    // abort(): a reset, not a goodbye, so both ends see a broken line. The
    // signals go first, so the abort does not come back here.
    for (QTcpSocket* socket : {gone->client.data(), gone->server.data()}) {
        if (socket != nullptr) {
            socket->disconnect(this);
            socket->abort();
            socket->deleteLater();
        }
    }
}
