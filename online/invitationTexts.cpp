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
    const QString asReached = net::InvitationLinkText(invitation);
    if (IsThisMachine(server.host)) {
        // A loopback link reaches only this machine: the links others can use come first.
        for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
            if (address.isLoopback() || address.isLinkLocal())
                continue;
            invitation.host = address.toString();
            texts.links.append(net::InvitationLinkText(invitation));
        }
    }
    texts.links.append(asReached);
    return texts;
}

} // namespace online
