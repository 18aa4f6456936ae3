#include "invitationLink.h"

#include <QHostAddress>
#include <QStringList>

#include "gameCode.h"
#include "protocolLimits.h"

namespace net {

namespace {

constexpr QStringView PlainScheme = u"veltan://";
constexpr QStringView TlsScheme = u"veltans://";
constexpr int MaxHostLength = 253;

struct TPlace {
    bool tls = false;
    QString host;
    quint16 port = DefaultPort;
    QStringList path; // the segments after the authority
};

struct TPlaceReading {
    std::optional<TPlace> place;
    QString problem;
};

TPlaceReading Refused(const QString& problem)
{
    return {std::nullopt, problem};
}

bool IsHostNameCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' ||
           c == u'.';
}

bool IsPathCharacter(QChar c)
{
    return IsHostNameCharacter(c) || c == u'_' || c == u'~';
}

// A host name is letters, digits, dots and hyphens, which also covers IPv4
// addresses; anything else (a user name, a percent sign) has no business here.
QString HostNameProblem(QStringView host)
{
    if (host.isEmpty())
        return QStringLiteral("the address has no host");
    if (host.size() > MaxHostLength)
        return QStringLiteral("the host name is longer than %1 characters").arg(MaxHostLength);
    for (const QChar c : host)
        if (!IsHostNameCharacter(c))
            return QStringLiteral(
                       "the host \"%1\" may hold only letters, digits, dots and hyphens, or be an IPv6 "
                       "address in brackets")
                .arg(host);
    if (host.startsWith(u'.') || host.startsWith(u'-') || host.contains(u".."))
        return QStringLiteral("\"%1\" is no host name").arg(host);
    return {};
}

std::optional<quint16> ReadPort(QStringView text)
{
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int port = text.toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

// "host", "host:port", "[v6]", "[v6]:port", or a bare IPv6 address (no port then).
TPlaceReading ReadAuthority(QStringView authority, TPlace place, bool bareIPv6)
{
    QStringView portText;
    bool hasPort = false;
    if (authority.startsWith(u'[')) {
        const qsizetype close = authority.indexOf(u']');
        if (close < 0)
            return Refused(QStringLiteral("the IPv6 address has no closing bracket"));
        place.host = authority.mid(1, close - 1).toString();
        const QHostAddress address(place.host);
        if (address.protocol() != QAbstractSocket::IPv6Protocol || place.host.contains(u'%'))
            return Refused(QStringLiteral("\"%1\" in brackets is no IPv6 address").arg(place.host));
        const QStringView rest = authority.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(u':'))
                return Refused(QStringLiteral("only \":PORT\" may follow the IPv6 address"));
            portText = rest.mid(1);
            hasPort = true;
        }
    } else if (authority.count(u':') > 1) {
        // Typed alone, "::1" can only be an address; in a link the last part
        // could as well be a port, so there it must be in brackets.
        const QHostAddress address(authority.toString());
        if (!bareIPv6 || address.protocol() != QAbstractSocket::IPv6Protocol || authority.contains(u'%'))
            return Refused(
                QStringLiteral("\"%1\" is no address (an IPv6 address goes in brackets: [::1]:7490)")
                    .arg(authority));
        place.host = authority.toString();
    } else {
        const qsizetype colon = authority.indexOf(u':');
        // Host names are the same in any case; one spelling keeps links comparable.
        place.host = (colon < 0 ? authority : authority.left(colon)).toString().toLower();
        if (colon >= 0) {
            portText = authority.mid(colon + 1);
            hasPort = true;
        }
        if (const QString problem = HostNameProblem(place.host); !problem.isEmpty())
            return Refused(problem);
    }
    if (hasPort) {
        const std::optional<quint16> port = ReadPort(portText);
        if (!port)
            return Refused(QStringLiteral("the port \"%1\" is not a number from 1 to 65535").arg(portText));
        place.port = *port;
    }
    return {place, {}};
}

// SCHEME://AUTHORITY[/PATH...]; a scheme is required.
TPlaceReading ReadPlace(QStringView text)
{
    TPlace place;
    QStringView rest;
    if (text.startsWith(TlsScheme, Qt::CaseInsensitive)) {
        place.tls = true;
        rest = text.mid(TlsScheme.size());
    } else if (text.startsWith(PlainScheme, Qt::CaseInsensitive)) {
        rest = text.mid(PlainScheme.size());
    } else {
        return Refused(QStringLiteral("a game's link starts with veltan:// or veltans://"));
    }
    for (const QChar c : rest)
        if (c == u'?' || c == u'#' || c == u'@' || c == u'\\' || c.isSpace())
            return Refused(QStringLiteral("a game's link holds no \"%1\"")
                               .arg(c.isSpace() ? QStringLiteral("space") : QString(c)));
    const qsizetype slash = rest.indexOf(u'/');
    TPlaceReading reading = ReadAuthority(slash < 0 ? rest : rest.left(slash), place, false);
    if (!reading.place || slash < 0)
        return reading;
    QStringView path = rest.mid(slash + 1);
    if (path.endsWith(u'/'))
        path.chop(1); // a link copied with a slash after it
    if (path.isEmpty())
        return reading;
    for (const QStringView segment : path.split(u'/')) {
        if (segment.isEmpty())
            return Refused(QStringLiteral("the link's path has an empty part (\"//\")"));
        for (const QChar c : segment)
            if (!IsPathCharacter(c))
                return Refused(QStringLiteral("the link's path may hold only letters, digits and . _ ~ -"));
        reading.place->path.append(segment.toString());
    }
    return reading;
}

QString CodeProblem(QStringView code)
{
    if (code.isEmpty())
        return QStringLiteral("the game's code is missing");
    if (!IsGameCode(code))
        return QStringLiteral("\"%1\" is no game code: a code is %2 letters and digits such as 7K9QXM")
            .arg(code)
            .arg(GameCodeLength);
    return {};
}

TInvitationReading Invitation(const TPlace& place, const QStringList& prefix, QStringView code)
{
    if (const QString problem = CodeProblem(code); !problem.isEmpty())
        return {std::nullopt, problem};
    TInvitation invitation{place.tls, place.host, place.port, {}, NormalGameCode(code)};
    if (!prefix.isEmpty())
        invitation.prefix = u'/' + prefix.join(u'/');
    return {invitation, {}};
}

} // namespace

TInvitationReading ReadInvitationLink(QStringView link)
{
    const TPlaceReading reading = ReadPlace(link.trimmed());
    if (!reading.place)
        return {std::nullopt, reading.problem};
    QStringList path = reading.place->path;
    if (path.isEmpty())
        return {std::nullopt, QStringLiteral("the link names no game: it ends with the game's code")};
    const QString code = path.takeLast();
    return Invitation(*reading.place, path, code);
}

TInvitationReading ReadAddressAndCode(QStringView address, QStringView code)
{
    const QStringView trimmed = address.trimmed();
    TPlaceReading reading;
    if (trimmed.contains(u"://"))
        reading = ReadPlace(trimmed);
    else if (trimmed.contains(u'/'))
        reading = Refused(QStringLiteral("an address without veltan:// has no path"));
    else
        reading = ReadAuthority(trimmed, TPlace{}, true);
    if (!reading.place)
        return {std::nullopt, reading.problem};
    return Invitation(*reading.place, reading.place->path, code.trimmed());
}

QString ServerAddressText(const TInvitation& invitation)
{
    const QString host = invitation.host.contains(u':') ? u'[' + invitation.host + u']' : invitation.host;
    return host + u':' + QString::number(invitation.port);
}

QString InvitationLinkText(const TInvitation& invitation)
{
    return (invitation.tls ? TlsScheme : PlainScheme).toString() + ServerAddressText(invitation) +
           invitation.prefix + u'/' + invitation.code;
}

QUrl WebSocketUrl(const TInvitation& invitation)
{
    QUrl url;
    url.setScheme(invitation.tls ? QStringLiteral("wss") : QStringLiteral("ws"));
    url.setHost(invitation.host);
    url.setPort(invitation.port);
    url.setPath(invitation.prefix + QLatin1String(WebSocketPath));
    return url;
}

} // namespace net
