#pragma once
// Network dialogs that answer at once with what was put in beforehand, so
// neither a test nor a measurement waits on a dialog.

#include "onlineDialogs.h"

/// The network dialogs, answered with what the caller put in.
class TAnsweringOnlineDialogs : public online::TOnlineDialogs {
public:
    std::optional<online::THostChoice> host;
    std::optional<online::TJoinChoice> join;
    online::TSeatsChoice seats;
    std::optional<online::TInvitationTexts> invitation;
    int seatQuestions = 0;

    std::optional<online::THostChoice> AskHost(QWidget*, const online::THostChoice&) override { return host; }
    std::optional<online::TJoinChoice> AskJoin(QWidget*, const QString&, const QString&,
                                               const QStringList&) override
    {
        return join;
    }
    online::TSeatsChoice AskSeats(QWidget*, const net::TFollowedGame&) override
    {
        ++seatQuestions;
        return seats;
    }
    void ShowInvitation(QWidget*, const online::TInvitationTexts& texts) override { invitation = texts; }
};
