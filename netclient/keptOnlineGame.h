#pragma once
// An online game kept on this machine after every event, so that a window
// started again can rejoin it, or, when its server is gone for good, hand its
// moves to the local game. The file holds the keys to the seats, so only its
// owner may read it, and it is replaced whole or not at all.
//
// The format is JSON: the protocol already speaks it, the message library's
// checked readers serve for reading it back, and a player or a developer can
// read a kept game with any text viewer when something went wrong.

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

#include "onlineGameParts.h"
#include "onlineSettings.h"

namespace net {

/// A seat held here and the token that gets it back.
struct TKeptSeat {
    TSeat seat;
    QString token;
    friend bool operator==(const TKeptSeat&, const TKeptSeat&) = default;
};

/// Everything needed to go on with an online game after a restart.
struct TKeptOnlineGame {
    QUrl server; ///< the WebSocket URL, ws:// or wss://
    QString code;
    QString name;      ///< the player's name at the table
    QString hostToken; ///< empty unless this window hosts the game
    QList<TKeptSeat> seats;
    bool watching = false;
    qint64 seq = 0;
    TOnlineSettings settings;
    std::vector<TPlayedMove> moves;
    std::vector<TPendingMove> pending; ///< moves made here the server had not answered
    TGameState state = TGameState::Waiting;
    QString endingMessage;
};

/// A kept game read back, or why the file is no kept game.
struct TKeptReading {
    std::optional<TKeptOnlineGame> game;
    QString problem; ///< a sentence for the player; empty when read
};

/// Writes the game to `path` atomically, readable and writable by its owner
/// only; an empty text when written, otherwise why not.
QString WriteKeptOnlineGame(const QString& path, const TKeptOnlineGame& game);
/// Reads a kept game, every field checked and every move replayed by the
/// referee; a damaged file gives the problem, never a half-read game.
TKeptReading ReadKeptOnlineGame(const QString& path);

} // namespace net
