#pragma once
// The server's game frames read for the window, every field checked for
// presence, type and range before anything is shown or played: a frame that
// does not read is a hostile answer, named by its first wrong field.

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

#include "onlineGameParts.h"
#include "onlineSettings.h"

namespace net {

/// A `snapshot`: the whole game.
struct TSnapshot {
    QString game;
    qint64 seq = 0;
    TOnlineSettings settings;
    std::vector<TSeatView> seats; ///< the game's seats, White's first
    std::vector<TPlayedMove> moves;
    TClocks clocks;
    std::optional<TSeat> toMove;
    int movesLeft = 0;
    TGameState state = TGameState::Waiting;
    TEnding ending; ///< when ended
    std::optional<bool> drawOfferWhite;
    TAsked askedStart, askedPause, askedContinue;
    bool host = false;
    QList<TChatLine> chat;
    int watchers = 0;
};

/// An `event`: one change of the game, numbered.
struct TEvent {
    QString game;
    qint64 seq = 0;
    QString kind; ///< "seated", "left", "connection", "start-asked", ..., "move", "ended"
    std::optional<TSeat> seat;
    QString name;
    bool connected = false;
    std::optional<bool> white; ///< the team of asks and draw offers
    QString id;                ///< a move's id
    TProtocolMove move;
    std::optional<TClocks> clocks;
    std::optional<TSeat> toMove;
    std::optional<int> movesLeft;
    std::optional<bool> drawOfferWhite; ///< after a move: the offer that still stands
    QString reason;                     ///< of a pause or an ending
    TEnding ending;
};

/// A frame read, or what is wrong with it.
template <typename T> struct TFrameReading {
    std::optional<T> value;
    QString problem;
};

/// Reads a `snapshot`; `nowMs` is the monotonic time of receipt.
TFrameReading<TSnapshot> ReadSnapshot(const QJsonObject& frame, qint64 nowMs);
/// Reads an `event` of any kind this protocol has; unknown kinds read with only their number.
TFrameReading<TEvent> ReadEvent(const QJsonObject& frame, qint64 nowMs);
/// Reads a `chat` frame.
TFrameReading<TChatLine> ReadChatLine(const QJsonObject& frame);

} // namespace net
