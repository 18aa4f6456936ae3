// veltan-netbot: plays games on a Veltan server, watches one, or puts load on
// a server with many games at once. Exit status: 0 when its games ended, 1 on
// a protocol problem (said on standard error), 2 for a bad command line.

#include <QCoreApplication>
#include <QTextStream>

#include "botOptions.h"
#include "botPlayer.h"
#include "loadRun.h"
#include "moveChooser.h"
#include "seat.h"

namespace {

constexpr int ProtocolProblem = 1;
constexpr int BadCommandLine = 2;

TBotPlan PlanOf(const TBotOptions& options)
{
    TBotPlan plan;
    plan.create = options.create;
    plan.settings = options.settings;
    plan.game = options.game;
    for (const QString& seat : options.seats)
        plan.seats.append(*net::ReadSeat(seat)); // checked with the command line
    plan.games = options.games;
    plan.thinkMs = options.thinkMs;
    return plan;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("veltan-netbot");
    QTextStream out(stdout);
    QTextStream err(stderr);

    const TBotCommandLine commandLine = ReadBotCommandLine(QCoreApplication::arguments());
    if (commandLine.helpWanted) {
        out << commandLine.usage;
        return 0;
    }
    if (!commandLine.options) {
        err << "veltan-netbot: " << commandLine.error << "\n\n" << commandLine.usage;
        return BadCommandLine;
    }
    const TBotOptions& options = *commandLine.options;

    if (options.load > 0) {
        TLoadRun run(options);
        QObject::connect(&run, &TLoadRun::Done, &app, [&] {
            out << run.Report() << Qt::endl;
            app.exit(run.Clean() ? 0 : ProtocolProblem);
        });
        run.Start();
        return app.exec();
    }

    const int engineMs = options.choice == TMoveChoice::Engine ? options.msPerMove : 0;
    TBotPlayer bot(options.server, options.name, PlanOf(options),
                   std::make_unique<TMoveChooser>(options.seed, engineMs));
    // The code alone on its line, so a script can hand it to the other players.
    QObject::connect(&bot, &TBotPlayer::Created, &app, [&](const QString& game) { out << game << Qt::endl; });
    QObject::connect(&bot, &TBotPlayer::GameEnded, &app,
                     [&](const QString& line) { out << line << Qt::endl; });
    QObject::connect(&bot, &TBotPlayer::Finished, &app, [&] { app.exit(0); });
    QObject::connect(&bot, &TBotPlayer::Failed, &app, [&](const QString& problem) {
        err << "veltan-netbot: " << problem << Qt::endl;
        app.exit(ProtocolProblem);
    });
    bot.Start();
    return app.exec();
}
