#include "longGame.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>

#include "followedGame.h"
#include "gameRoom.h"
#include "gameStore.h"
#include "refereeGame.h"
#include "startPositionCatalogue.h"
#include "veltanbrdKernel.h"

QString StoreLongGame(const QString& path, int moves)
{
    TGameStore::TOpening opening = TGameStore::Open(path);
    if (!opening.store)
        return {};
    net::TOnlineSettings settings;
    settings.movesPerTeamTurn = 1;
    settings.minutesWhite = settings.minutesBlack = net::MaxMinutes;
    const QString code = QStringLiteral("4KMVEA");
    TGameRoom room(code, settings, QByteArray(32, 'h'));
    std::vector<TStoreWrite> writes{TNewGame{code, net::SettingsJson(settings), QByteArray(32, 'h'),
                                             QDateTime::currentMSecsSinceEpoch()}};
    const auto keep = [&](TRoomChange change) {
        for (TStoreWrite& write : change.writes)
            writes.push_back(std::move(write));
    };
    keep(room.Take({true, 1}, QStringLiteral("white"), QByteArray(32, 'w'), 0));
    keep(room.Take({false, 1}, QStringLiteral("black"), QByteArray(32, 'b'), 0));
    keep(room.Command(net::TTeamCommand::Start, true, false, 0));
    keep(room.Command(net::TTeamCommand::Start, false, false, 0));
    // The room's board is private; a second board follows it to find the moves.
    TVeltanBrdKernel board;
    StartRefereedGame(board, catalogue::CataloguePosition(0, 0), catalogue::CataloguePlayers(0, 0, 1),
                      {1, 1});
    for (int made = 0; made < moves && room.State() == TRoomState::Running; ++made) {
        const auto move = LastingMove(board, 2);
        if (!move)
            break;
        PlayRefereedMove(board, *move);
        keep(room.Move(*room.SeatToMove(), QString::number(made), *move, made * 10LL, 0));
    }
    bool stored = false;
    opening.store->Write(std::move(writes), [&](bool ok) { stored = ok; });
    opening.store->Close();
    QCoreApplication::processEvents();
    return stored && room.State() == TRoomState::Running ? code : QString();
}
