#include "invitationTexts.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace online {
namespace {

bool IsThisMachine(const QString& host)
{
    const QHostAddress address(host);
    return host == QLatin1String("localhost") || address.isLoopback() || address == QHostAddress::AnyIPv4 ||
           address == QHostAddress::AnyIPv6;
}

} // namespace

TInvitationTexts InvitationFor(const net::TInvitation& server, const QString& code)
{
    TInvitationTexts texts;
    texts.code = code;
    net::TInvitation invitation = server;
    invitation.code = code;
    texts.links.append(net::InvitationLinkText(invitation));
    if (!IsThisMachine(server.host))
        return texts;
    // A loopback link reaches only this machine; the others need an address they can see.
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.isLoopback() || address.isLinkLocal())
            continue;
        invitation.host = address.toString();
        texts.links.append(net::InvitationLinkText(invitation));
    }
    return texts;
}

} // namespace online
