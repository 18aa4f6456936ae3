#pragma once
// The links a host hands out: one for the address the server was reached on
// and, when that is this machine's own, one for each address others on the
// network may reach it by.

#include "invitationLink.h"
#include "onlineDialogs.h"

namespace online {

/// The invitation to game `code` on the server at `server`: the links others
/// can use first, the one for the address `server` names last.
TInvitationTexts InvitationFor(const net::TInvitation& server, const QString& code);

} // namespace online
