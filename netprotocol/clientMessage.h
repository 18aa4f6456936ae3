#pragma once
// What a client may send the server, read from one text frame and checked
// field by field before anything else sees it: a message of a known type with
// every field present and in range, or the error code and reason to answer.

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <variant>

#include "moveText.h"
#include "onlineSettings.h"
#include "seat.h"

namespace net {

/// `hello` {protocol, name}: the first message of every connection.
struct THello {
    int protocol = 0;
    QString name;
    friend bool operator==(const THello&, const THello&) = default;
};
/// `create` {settings}: a new game whose host is this connection.
struct TCreate {
    TOnlineSettings settings;
    friend bool operator==(const TCreate&, const TCreate&) = default;
};
/// `join` {game, seat}: takes a free seat.
struct TJoin {
    QString game;
    TSeat seat;
    friend bool operator==(const TJoin&, const TJoin&) = default;
};
/// `rejoin` {game, token, after?}: a seat (or the host's rights) back by its token.
struct TRejoin {
    QString game;
    QString token;
    std::optional<qint64> after; ///< the last event seen; nothing: a snapshot
    friend bool operator==(const TRejoin&, const TRejoin&) = default;
};
/// `leave` {game, seat}: frees a seat held here.
struct TLeave {
    QString game;
    TSeat seat;
    friend bool operator==(const TLeave&, const TLeave&) = default;
};
/// `free` {game, seat}: the host frees a seat whose holder is not connected.
struct TFree {
    QString game;
    TSeat seat;
    friend bool operator==(const TFree&, const TFree&) = default;
};
/// `watch` {game, after?}: follows a game read-only.
struct TWatch {
    QString game;
    std::optional<qint64> after;
    friend bool operator==(const TWatch&, const TWatch&) = default;
};
/// `move` {game, id, from, to, promotion?}.
struct TMove {
    QString game;
    QString id; ///< the client's own id, echoed in the move's event or its refusal
    TProtocolMove move;
    /// Moves compare by their squares and promotion letter too.
    friend bool operator==(const TMove& a, const TMove& b)
    {
        return a.game == b.game && a.id == b.id && a.move.from == b.move.from && a.move.to == b.move.to &&
               a.move.promotion == b.move.promotion;
    }
};
/// The commands a seat holder gives for a team (`start`, `pause`, ...).
enum class TTeamCommand { Start, Pause, Continue, Resign, Draw, DeclineDraw, Claim, Abort };
/// {game, seat?}: `seat` names the team when this connection holds seats of both.
struct TCommand {
    QString game;
    TTeamCommand command = TTeamCommand::Start;
    std::optional<TSeat> seat;
    friend bool operator==(const TCommand&, const TCommand&) = default;
};
/// `chat` {game, to: "all"/"team", text, seat?}.
struct TChat {
    QString game;
    bool toTeam = false;
    QString text;
    std::optional<TSeat> seat; ///< which team's chat, when seats of both are held here
    friend bool operator==(const TChat&, const TChat&) = default;
};
/// `ping` {payload?}: answered by `pong` with the same payload.
struct TPing {
    QString payload;
    friend bool operator==(const TPing&, const TPing&) = default;
};

using TClientMessage =
    std::variant<THello, TCreate, TJoin, TRejoin, TLeave, TFree, TWatch, TMove, TCommand, TChat, TPing>;

/// A frame read: the message, or the error to answer it with.
struct TClientReading {
    std::optional<TClientMessage> message;
    QString errorCode;   ///< "too-large", "bad-json", "unknown-type", "bad-field"
    QString problem;     ///< a sentence for people, naming the field
    QString moveId;      ///< a move's id when one was read, so a bad move gets `refused`
    bool isMove = false; ///< the frame was a `move`: answer with `refused` when it has an id
};

/// Reads one text frame (UTF-8). Never throws; any input gives a message or an error.
TClientReading ReadClientMessage(QByteArrayView frame);

/// The protocol's name of a team command ("start", "decline-draw", ...).
QString CommandName(TTeamCommand command);

} // namespace net
