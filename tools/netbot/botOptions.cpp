#include "botOptions.h"

#include <QCommandLineParser>
#include <limits>

#include "gameCode.h"
#include "protocolLimits.h"
#include "refereeGame.h"
#include "seat.h"
#include "startPositionCatalogue.h"

namespace {

// A team turn has 1, 2 or 4 moves (TurnRulesProblem says which combinations).
constexpr int MostMovesPerTeamTurn = 4;
constexpr int MaxGames = 10'000;
constexpr int MaxLoadGames = 1'000;
constexpr int MaxDurationSeconds = 24 * 60 * 60;
constexpr int MaxWaitMs = 10 * 60 * 1000;

// An option's whole number, checked against its range; the error names the option.
bool ReadNumber(const QCommandLineParser& parser, const QString& option, int low, int high, int& value,
                QString& error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int number = parser.value(option).toInt(&ok);
    if (!ok || number < low || number > high) {
        error = QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                    .arg(option)
                    .arg(low)
                    .arg(high)
                    .arg(parser.value(option));
        return false;
    }
    value = number;
    return true;
}

std::optional<int> ReadArrangement(const QString& name)
{
    for (int arrangement = 0; arrangement < catalogue::EntryCount; ++arrangement) {
        if (name == net::ArrangementName(arrangement))
            return arrangement;
    }
    return std::nullopt;
}

// The server's URL with the protocol's path when it names none.
std::optional<QUrl> ServerUrl(const QString& text)
{
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != "ws" && url.scheme() != "wss") || url.host().isEmpty())
        return std::nullopt;
    if (url.path().isEmpty() || url.path() == "/")
        url.setPath(QString::fromLatin1(net::WebSocketPath));
    return url;
}

QString SettingsError(const QCommandLineParser& parser, net::TOnlineSettings& settings)
{
    QString error;
    int minutes = settings.minutesWhite;
    int increment = settings.incrementWhite;
    if (!ReadNumber(parser, "players", 1, net::MaxPlayersPerTeam, settings.playersPerTeam, error) ||
        !ReadNumber(parser, "moves", 1, MostMovesPerTeamTurn, settings.movesPerTeamTurn, error) ||
        !ReadNumber(parser, "minutes", 1, net::MaxMinutes, minutes, error) ||
        !ReadNumber(parser, "increment", 0, net::MaxIncrementSeconds, increment, error))
        return error;
    settings.minutesWhite = settings.minutesBlack = minutes;
    settings.incrementWhite = settings.incrementBlack = increment;
    if (parser.isSet("arrangement")) {
        const std::optional<int> arrangement = ReadArrangement(parser.value("arrangement"));
        if (!arrangement)
            return "--arrangement is standard, quadrant or castling";
        settings.arrangement = *arrangement;
    }
    return {};
}

// What the options ask for must make one sensible run: a game to take part in, seats that exist.
QString PlanError(const TBotOptions& options)
{
    const int modes = int(options.create) + int(!options.game.isEmpty()) + int(options.load > 0);
    if (modes != 1)
        return "give exactly one of --create, --game CODE and --load N";
    if (options.watch && (options.create || options.load > 0 || !options.seats.isEmpty()))
        return "--watch goes with --game alone, without seats";
    if (!options.game.isEmpty() && !options.watch && options.seats.isEmpty())
        return "--game needs --seat (one or more) or --watch";
    if (options.games > 1 && !options.create)
        return "--games goes with --create";
    for (const QString& seat : options.seats) {
        const std::optional<net::TSeat> read = net::ReadSeat(seat);
        if (!read)
            return QStringLiteral("\"%1\" is no seat: white-1 .. white-4, black-1 .. black-4").arg(seat);
        if (options.create && read->player > options.settings.playersPerTeam)
            return QStringLiteral("%1 is no seat of a game of %2 players a team")
                .arg(seat)
                .arg(options.settings.playersPerTeam);
        if (options.seats.count(seat) > 1)
            return QStringLiteral("%1 is given twice").arg(seat);
    }
    const std::string rules =
        TurnRulesProblem({options.settings.movesPerTeamTurn, options.settings.playersPerTeam});
    if (!rules.empty())
        return "--players and --moves: " + QString::fromStdString(rules);
    return {};
}

} // namespace

TBotCommandLine ReadBotCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Plays Veltan games on a server, or puts load on one.");
    parser.addHelpOption();
    parser.addOptions({
        {"server", "The server's WebSocket URL (the path /veltan/1 unless the URL has one).", "url",
         "ws://127.0.0.1:7490"},
        {"name", "The name the server shows for this bot.", "name", "netbot"},
        {"create", "Create a game and print its code."},
        {"players", "Players a team (1, 2 or 4), with --create or --load.", "n"},
        {"moves", "Moves a team turn (1, 2 or 4), with --create or --load.", "n"},
        {"minutes", "Minutes on each clock, with --create or --load.", "n"},
        {"increment", "Seconds added a move, with --create or --load.", "s"},
        {"arrangement", "standard, quadrant or castling, with --create or --load.", "name"},
        {"game", "The code of the game to join or watch.", "code"},
        {"seat", "A seat to take (repeatable): white-1 .. black-4.", "seat"},
        {"watch", "Follow the game without playing."},
        {"random", "Play random legal moves (the default)."},
        {"engine", "Play the built-in engine's moves."},
        {"ms-per-move", "The engine's time a move.", "ms"},
        {"seed", "Seed of the random moves.", "n"},
        {"games", "With --create: games played one after another.", "n"},
        {"think-ms", "Wait before each move.", "ms"},
        {"load", "Load generator: this many games at once, one connection a seat.", "n"},
        {"duration", "Seconds the load generator runs.", "s"},
    });
    TBotCommandLine result;
    result.usage = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet("help")) {
        result.helpWanted = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = "unexpected argument " + parser.positionalArguments().first();
        return result;
    }

    TBotOptions options;
    const std::optional<QUrl> server = ServerUrl(parser.value("server"));
    if (!server) {
        result.error = "--server takes a ws:// or wss:// URL, not \"" + parser.value("server") + "\"";
        return result;
    }
    options.server = *server;
    options.name = parser.value("name");
    if (options.name.isEmpty() || options.name.size() > net::MaxNameLength) {
        result.error = QStringLiteral("--name takes 1 to %1 characters").arg(net::MaxNameLength);
        return result;
    }
    options.create = parser.isSet("create");
    // Checked here so a mistyped code is told at once, not as the server's no-game.
    options.game = net::NormalGameCode(parser.value("game"));
    if (parser.isSet("game") && !net::IsGameCode(options.game)) {
        result.error = QStringLiteral("--game takes a code of %1 letters and digits of %2")
                           .arg(net::GameCodeLength)
                           .arg(QLatin1String(net::GameCodeAlphabet));
        return result;
    }
    options.seats = parser.values("seat");
    options.watch = parser.isSet("watch");
    if (parser.isSet("random") && parser.isSet("engine")) {
        result.error = "give --random or --engine, not both";
        return result;
    }
    options.choice = parser.isSet("engine") ? TMoveChoice::Engine : TMoveChoice::Random;
    int seed = 1;
    QString error = SettingsError(parser, options.settings);
    const bool numbersRead =
        error.isEmpty() && ReadNumber(parser, "ms-per-move", 1, MaxWaitMs, options.msPerMove, error) &&
        ReadNumber(parser, "seed", 0, std::numeric_limits<int>::max(), seed, error) &&
        ReadNumber(parser, "games", 1, MaxGames, options.games, error) &&
        ReadNumber(parser, "think-ms", 0, MaxWaitMs, options.thinkMs, error) &&
        ReadNumber(parser, "load", 1, MaxLoadGames, options.load, error) &&
        ReadNumber(parser, "duration", 1, MaxDurationSeconds, options.durationSeconds, error);
    if (numbersRead)
        error = PlanError(options);
    if (!error.isEmpty()) {
        result.error = error;
        return result;
    }
    options.seed = static_cast<quint64>(seed);
    result.options = options;
    return result;
}
