#pragma once
// The questions network play asks: how to host a game, which game to join,
// which seats to take, and the invitation to pass on. They go through one
// interface so that tests answer them at once and no test waits on a dialog.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "followedGame.h"
#include "invitationLink.h"
#include "onlineSettings.h"
#include "seat.h"

class QWidget;

namespace online {

/// A game to host: where its server is, the host's name, its settings and the seats the host takes.
struct THostChoice {
    bool onThisMachine = true;                          ///< run veltan-server here, on `port`
    quint16 port = 7490;                                ///< the port of the server run here
    QString address = QStringLiteral("127.0.0.1:7490"); ///< "host:port" of a server elsewhere
    QString name;
    net::TOnlineSettings settings;
    QList<net::TSeat> seats{net::TSeat{true, 1}};
};

/// A game to join: where it is and the player's name.
struct TJoinChoice {
    net::TInvitation invitation;
    QString name;
};

/// What to do at a game just joined: the seats to take (empty: watch), or nothing to leave it.
using TSeatsChoice = std::optional<QList<net::TSeat>>;

/// The links to a hosted game, for the invitation.
struct TInvitationTexts {
    QStringList links; ///< one for each address others may reach this server on
    QString code;
};

/// The dialogs of network play.
class TOnlineDialogs {
public:
    virtual ~TOnlineDialogs() = default;
    /// Asks how to host a game, starting from `proposal`; nothing when cancelled.
    virtual std::optional<THostChoice> AskHost(QWidget* parent, const THostChoice& proposal) = 0;
    /// Asks for the game to join: a link, or an address and a code; `link`
    /// fills the link in, `servers` are offered as addresses; nothing when cancelled.
    virtual std::optional<TJoinChoice> AskJoin(QWidget* parent, const QString& link, const QString& name,
                                               const QStringList& servers) = 0;
    /// Shows the seats of `game` with who holds them and asks which free ones to take.
    virtual TSeatsChoice AskSeats(QWidget* parent, const net::TFollowedGame& game) = 0;
    /// Shows the invitation to pass on, without waiting.
    virtual void ShowInvitation(QWidget* parent, const TInvitationTexts& invitation) = 0;
};

/// The real dialogs.
class TQtOnlineDialogs final : public TOnlineDialogs {
public:
    std::optional<THostChoice> AskHost(QWidget* parent, const THostChoice& proposal) override;
    std::optional<TJoinChoice> AskJoin(QWidget* parent, const QString& link, const QString& name,
                                       const QStringList& servers) override;
    TSeatsChoice AskSeats(QWidget* parent, const net::TFollowedGame& game) override;
    void ShowInvitation(QWidget* parent, const TInvitationTexts& invitation) override;
};

/// "" when a host may take these seats with these settings; otherwise why not.
QString HostChoiceProblem(const THostChoice& choice);

} // namespace online
