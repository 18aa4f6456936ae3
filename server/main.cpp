// veltan-server: reads its options, opens its database, reads back the games
// it held, listens, and on SIGINT or SIGTERM stores what it has and stops.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "gameStore.h"
#include "onlineServer.h"
#include "processSetup.h"
#include "serverOptions.h"
#include "storeConnection.h"

namespace {

int Fail(const QString& text)
{
    std::fprintf(stderr, "veltan-server: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Veltan"));
    QCoreApplication::setApplicationName(QStringLiteral("veltan-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTAN_VERSION));

    QString problem;
    std::optional<TServerOptions> options = ReadServerOptions(QCoreApplication::arguments(), problem);
    if (!options || !LoadTls(*options, problem))
        return Fail(problem);
    const TServerLog log(options->detail);
    log.Info(QStringLiteral("open files: up to %1").arg(RaiseOpenFileLimit()));

    if (!IsPostgresUrl(options->database) && !QDir().mkpath(QFileInfo(options->database).absolutePath()))
        return Fail(QStringLiteral("cannot make the folder of %1").arg(options->database));
    TGameStore::TOpening opening = TGameStore::Open(options->database);
    if (!opening.store)
        return Fail(opening.problem);

    TOnlineServer server(*opening.store, log);
    const int restored = server.RestoreGames();
    log.Info(QStringLiteral("database %1: %2 games").arg(DatabaseForLog(options->database)).arg(restored));
    if (!server.Listen(options->listen, problem))
        return Fail(QStringLiteral("cannot listen on %1 port %2: %3")
                        .arg(options->listen.address.toString())
                        .arg(options->listen.port)
                        .arg(problem));
    log.Info(QStringLiteral("listening on %1 port %2%3")
                 .arg(options->listen.address.toString())
                 .arg(server.Port())
                 .arg(options->listen.tls ? QStringLiteral(" (wss)") : QString()));

    TStopSignals stopSignals;
    QObject::connect(&stopSignals, &TStopSignals::stopAsked, &server, [&](int number) {
        log.Info(QStringLiteral("signal %1: stopping").arg(number));
        server.Stop();
    });
    // The close frames go out on the next turns of the event loop; then the program ends.
    QObject::connect(&server, &TOnlineServer::stopped, &application,
                     [] { QTimer::singleShot(200, QCoreApplication::instance(), &QCoreApplication::quit); });
    const int status = QCoreApplication::exec();
    log.Info(QStringLiteral("stopped"));
    return status;
}
