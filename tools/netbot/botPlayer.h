#pragma once
// One bot on one connection: it creates, joins or watches a game, follows it
// on its own board, plays its seats' moves when they are due, and after a
// dropped line rejoins with its tokens and the last event it saw, sending an
// unanswered move again under the same id.

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <optional>

#include "onlineSettings.h"
#include "seat.h"

class TBotConnection;
class TGameFollower;
class TMoveChooser;

/// What one bot connection does.
struct TBotPlan {
    bool create = false;
    net::TOnlineSettings settings; ///< with create
    QString game;                  ///< the game to join or watch (without create)
    QList<net::TSeat> seats;       ///< seats to take; none and not create: watch
    int games = 1;                 ///< with create: games one after another
    int thinkMs = 0;               ///< wait before each move
};

/// A bot player (or watcher) of one game at a time.
class TBotPlayer : public QObject {
    Q_OBJECT

public:
    /// A bot that talks to `server` as `name`, choosing moves with `chooser`; nothing happens before Start.
    TBotPlayer(const QUrl& server, const QString& name, const TBotPlan& plan,
               std::unique_ptr<TMoveChooser> chooser, QObject* parent = nullptr);
    ~TBotPlayer() override;

    /// Connects and carries out the plan.
    void Start();
    /// Closes the connection; no signal follows.
    void Stop();

signals:
    /// A game was created; its code.
    void Created(const QString& game);
    /// A game followed has ended: the result line.
    void GameEnded(const QString& resultLine);
    /// Every game of the plan has ended.
    void Finished();
    /// The server broke the protocol or the rules, or could not be reached.
    void Failed(const QString& problem);
    /// An own move's event came back this long after the move was sent (first sendings only).
    void MoveConfirmed(qint64 microseconds);

private:
    struct TPendingMove {
        QString id;
        QJsonObject message;
        QElapsedTimer sent;
        bool resent = false;
    };

    void OnWelcomed(bool again);
    void OnFrame(const QString& type, const QJsonObject& body);
    void OnEvent(const QJsonObject& event);
    void OnRefused(const QJsonObject& refusal);
    void Begin();
    void CatchUp();
    void SendPendingAgain();
    void RecoverSeats();
    void AskForMissedEvents(qint64 seq);
    void JoinSeats();
    void Act();
    void AskForTeams(const QString& what);
    void PlayDueMove();
    void GameOver();
    void Fail(const QString& problem);
    bool Holds(net::TSeat seat) const;
    QJsonObject Command(const QString& type) const;

    TBotPlan plan_;
    TBotConnection* connection_; ///< a child
    std::unique_ptr<TMoveChooser> chooser_;
    std::unique_ptr<TGameFollower> follower_;
    QString game_;
    QString hostToken_;
    QHash<QString, QString> seatTokens_; ///< seat name -> token
    std::optional<TPendingMove> pending_;
    /// The event that answered each of this bot's moves: the same id in another event is a move played twice.
    QHash<QString, qint64> confirmedIds_;
    QSet<QString> askedHere_; ///< "start:white": asked on this connection, the event not seen yet
    QString askedInState_;
    QTimer think_;
    QElapsedTimer lastMoveSent_;
    QTimer recoverSeats_;
    int attempt_ = 0;
    int refusalsInARow_ = 0;
    int seatRecoveries_ = 0;
    int catchUps_ = 0;
    bool catchingUp_ = false; ///< missed events were asked for and have not come yet
    int gamesEnded_ = 0;
    bool over_ = false; ///< finished, failed or stopped: frames are no longer acted on
};
