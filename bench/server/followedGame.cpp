#include "followedGame.h"

#include <QJsonArray>
#include <random>

#include "refereeGame.h"
#include "seat.h"
#include "startPositionCatalogue.h"
#include "veltanbrdKernel.h"

namespace {

int SeatSlot(const net::TOnlineSettings& settings, net::TSeat seat)
{
    return (seat.white ? 0 : settings.playersPerTeam) + seat.player - 1;
}

} // namespace

std::optional<TProtocolMove> LastingMove(const TVeltanBrdKernel& board, unsigned seed)
{
    std::vector<TProtocolMove> quiet;
    std::vector<TProtocolMove> captures;
    for (int f = 1; f <= SquareCount; ++f)
        for (int t = 1; t <= SquareCount; ++t) {
            const auto from = static_cast<Square>(f);
            const auto to = static_cast<Square>(t);
            if (board.MoveIsLegal(from, to))
                (board.PieceOn(to) == ' ' ? quiet : captures).push_back({from, to, NoPromotion});
        }
    const std::vector<TProtocolMove>& pool = quiet.empty() ? captures : quiet;
    if (pool.empty())
        return std::nullopt;
    std::mt19937 random(seed * 7919u + static_cast<unsigned>(board.LastMove));
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
}

TFollowedGame::TFollowedGame(const QUrl& url, const net::TOnlineSettings& settings, int watchers)
    : _board(std::make_unique<TVeltanBrdKernel>()), _settings(settings)
{
    const auto open = [&](const QString& name) {
        auto client = std::make_unique<TTestClient>();
        if (!client->Open(url))
            _problem = "cannot connect";
        client->Send(Hello(name));
        if (!client->Next(QStringLiteral("welcome")))
            _problem = "no welcome";
        return client;
    };
    auto host = open(QStringLiteral("host"));
    host->Send({{"type", "create"}, {"settings", net::SettingsJson(settings)}});
    const auto created = host->Next(QStringLiteral("created"));
    if (!created) {
        _problem = "no game created";
        return;
    }
    _code = created->value(QStringLiteral("game")).toString();
    _seats.push_back(std::move(host));
    for (int i = 1; i < 2 * settings.playersPerTeam; ++i)
        _seats.push_back(open(QStringLiteral("player %1").arg(i + 1)));
    for (int i = 0; i < 2 * settings.playersPerTeam; ++i) {
        const net::TSeat seat{i < settings.playersPerTeam, i % settings.playersPerTeam + 1};
        _seats[i]->Send({{"type", "join"}, {"game", _code}, {"seat", net::SeatName(seat)}});
        if (!_seats[i]->Next(QStringLiteral("seated")) || !_seats[i]->Next(QStringLiteral("snapshot")))
            _problem = "a seat was not given";
    }
    for (int i = 0; i < watchers; ++i) {
        _watchers.push_back(open(QStringLiteral("watcher %1").arg(i + 1)));
        _watchers.back()->Send({{"type", "watch"}, {"game", _code}});
        if (!_watchers.back()->Next(QStringLiteral("snapshot")))
            _problem = "a watcher saw nothing";
    }
    for (const auto& seat : _seats)
        seat->Send({{"type", "start"}, {"game", _code}});
    StartRefereedGame(
        *_board, catalogue::CataloguePosition(settings.arrangement, settings.rowShift),
        catalogue::CataloguePlayers(settings.arrangement, settings.rowShift, settings.playersPerTeam),
        {settings.movesPerTeamTurn, settings.playersPerTeam});
    // Everything so far is old news for the measurements.
    for (const auto& client : _seats)
        client->Sync();
    for (const auto& client : _watchers)
        client->Sync();
}

TFollowedGame::~TFollowedGame() = default;

bool TFollowedGame::Over() const
{
    return _board->GameEnded() || !LastingMove(*_board, 1);
}

void TFollowedGame::ChooseMove()
{
    _chosen = LastingMove(*_board, 1);
}

std::string TFollowedGame::SendMove()
{
    if (!_chosen)
        ChooseMove();
    const auto move = _chosen;
    _chosen.reset();
    if (!move)
        return {};
    const net::TSeat seat{_board->WhiteToMove(), _board->CurrentTeamPlayer() - '0'};
    PlayRefereedMove(*_board, *move);
    const std::string text = MoveText(move->from, move->to);
    _seats[SeatSlot(_settings, seat)]->Send({{"type", "move"},
                                             {"game", _code},
                                             {"id", QString::number(++_sent)},
                                             {"from", QString::fromStdString(text.substr(0, 3))},
                                             {"to", QString::fromStdString(text.substr(3, 3))}});
    return text;
}

bool TFollowedGame::AllSeeTheMove()
{
    const auto sees = [](TTestClient& client) {
        while (const auto event = client.Next(QStringLiteral("event")))
            if (event->value(QStringLiteral("kind")).toString() == QLatin1String("move"))
                return true;
        return false;
    };
    bool all = true;
    for (const auto& client : _seats)
        all = sees(*client) && all;
    for (const auto& client : _watchers)
        all = sees(*client) && all;
    return all;
}
