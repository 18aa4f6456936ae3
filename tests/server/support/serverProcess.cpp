#include "serverProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include "protocolLimits.h"

namespace {

#ifdef VELTAN_SERVER_PATH
const char ServerPath[] = VELTAN_SERVER_PATH;
#else
const char ServerPath[] = "";
#endif

// Another program may take a port between our asking and the server's
// listening; a few fresh ports make that harmless.
constexpr int StartAttempts = 3;
constexpr int ProbeWaitMs = 200;
constexpr int ProbePauseMs = 50;

} // namespace

quint16 FreeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

TServerProcess::TServerProcess(const QString& folder) : folder_(folder)
{
}

TServerProcess::~TServerProcess()
{
    Kill();
}

bool TServerProcess::Built()
{
    return ServerPath[0] != '\0';
}

bool TServerProcess::Start()
{
    for (int attempt = 0; attempt < StartAttempts; ++attempt) {
        if (StartOn(FreeLoopbackPort()))
            return true;
    }
    return false;
}

bool TServerProcess::Restart()
{
    Kill();
    return StartOn(port_) || Start();
}

bool TServerProcess::StartOn(quint16 port)
{
    Kill();
    if (!Built() || port == 0)
        return false;
    port_ = port;
    process_ = std::make_unique<QProcess>();
    // A file, not a pipe: a verbose server never blocks on a log nobody reads.
    process_->setStandardOutputFile(folder_ + "/server.log", QIODevice::Append);
    process_->setStandardErrorFile(folder_ + "/server.log", QIODevice::Append);
    process_->start(QString::fromUtf8(ServerPath), {"--listen", QStringLiteral("127.0.0.1:%1").arg(port),
                                                    "--database", DatabasePath(), "--verbose"});
    if (!process_->waitForStarted(ServerWaitMs))
        return false;
    return AwaitListening();
}

bool TServerProcess::AwaitListening()
{
    const QDeadlineTimer deadline(ServerWaitMs);
    while (!deadline.hasExpired()) {
        if (!Running())
            return false; // it could not listen, or failed on its database: see the log
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        if (probe.waitForConnected(ProbeWaitMs)) {
            probe.abort();
            return true;
        }
        QThread::msleep(ProbePauseMs);
    }
    Kill();
    return false;
}

void TServerProcess::Kill()
{
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(ServerWaitMs);
    }
}

int TServerProcess::Stop()
{
    if (!Running())
        return -1;
    process_->terminate();
    if (!process_->waitForFinished(ServerWaitMs)) {
        Kill();
        return -1;
    }
    return process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
}

bool TServerProcess::Running() const
{
    return process_ && process_->state() != QProcess::NotRunning;
}

QUrl TServerProcess::Url() const
{
    return QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port_).arg(QLatin1String(net::WebSocketPath)));
}

QString TServerProcess::DatabasePath() const
{
    return folder_ + "/db.sqlite";
}

QString TServerProcess::Log() const
{
    QFile log(folder_ + "/server.log");
    if (!Built())
        return "no veltan-server was built";
    if (!log.open(QIODevice::ReadOnly))
        return "the server wrote no log";
    return QString::fromUtf8(log.readAll());
}
