#pragma once
// Invitation links: what one player passes to another to join a game,
// veltan://HOST:PORT/CODE (plain) or veltans://HOST:PORT/CODE (TLS), with an
// optional path before the code for a server behind a proxy. The same place
// reached by an address and a code typed separately.

#include <QString>
#include <QStringView>
#include <QUrl>
#include <optional>

namespace net {

/// Where a game is and which one: everything a link says.
struct TInvitation {
    bool tls = false;
    QString host; ///< a name, an IPv4 address or an IPv6 address (without brackets)
    quint16 port = 0;
    QString prefix; ///< the proxy's path before the code, "" or "/games"; never ends with '/'
    QString code;   ///< the game's code in capitals
    friend bool operator==(const TInvitation&, const TInvitation&) = default;
};

/// A link or an address read: the invitation, or why it is no invitation.
struct TInvitationReading {
    std::optional<TInvitation> invitation;
    QString problem; ///< a sentence for the player; empty when read
};

/// Reads "veltan://HOST[:PORT][/PREFIX]/CODE" or "veltans://..."; the port
/// defaults to DefaultPort, the code may be in lower case, spaces around are ignored.
TInvitationReading ReadInvitationLink(QStringView link);
/// Reads an address typed alone ("host", "host:port", "[::1]:7490", or a whole
/// veltan:// or veltans:// address without a code) and a code typed beside it.
TInvitationReading ReadAddressAndCode(QStringView address, QStringView code);
/// The link as players pass it on; ReadInvitationLink reads it back as it is.
QString InvitationLinkText(const TInvitation& invitation);
/// The server's WebSocket: ws:// or wss://HOST:PORT/PREFIX/veltan/1.
QUrl WebSocketUrl(const TInvitation& invitation);
/// "HOST:PORT" as people read it (IPv6 in brackets).
QString ServerAddressText(const TInvitation& invitation);

} // namespace net
