#include "localServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace online {
namespace {

constexpr int StopWaitMs = 3000;
// The end of the server's output is what tells why it stopped.
constexpr int OutputKept = 2000;

} // namespace

TLocalServer::TLocalServer(QObject* parent) : QObject(parent)
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process_, &QProcess::finished, this, &TLocalServer::OnFinished);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        // A program that never ran sends no finished of its own.
        if (error == QProcess::FailedToStart)
            emit Ended(process_.errorString());
    });
}

TLocalServer::~TLocalServer()
{
    process_.disconnect(this);
    if (!Running())
        return;
    // SIGTERM lets it finish writing its database.
    process_.terminate();
    if (!process_.waitForFinished(StopWaitMs))
        process_.kill();
    process_.waitForFinished(StopWaitMs);
}

QString TLocalServer::FindProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(QStringLiteral("veltan-server")),
                                     here.filePath(QStringLiteral("../server/veltan-server"))})
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("veltan-server"));
}

QString TLocalServer::DatabasePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("hosted-games.sqlite"));
}

QString TLocalServer::Start(const QString& program, const QString& listenHost, quint16 port)
{
    if (Running())
        return port == port_ ? QString()
                             : tr("the server on this machine already listens on port %1").arg(port_);
    if (program.isEmpty() || !QFileInfo(program).isExecutable())
        return tr("veltan-server is not installed on this machine; give the address of a server instead");
    port_ = port;
    const QString listen = listenHost.contains(QLatin1Char(':'))
                               ? QStringLiteral("[%1]:%2").arg(listenHost).arg(port)
                               : QStringLiteral("%1:%2").arg(listenHost).arg(port);
    process_.start(program, {QStringLiteral("--listen"), listen, QStringLiteral("--database"), DatabasePath(),
                             QStringLiteral("--quiet")});
    return {};
}

void TLocalServer::OnFinished()
{
    emit Ended(QString::fromLocal8Bit(process_.readAll().right(OutputKept)).trimmed());
}

} // namespace online
