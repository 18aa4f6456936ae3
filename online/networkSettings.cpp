#include "networkSettings.h"

#include "invitationLink.h"
#include "protocolLimits.h"
#include "settingsStore.h"

namespace online {
namespace {

constexpr int LongestServerList = RememberedServers * 300;

bool IsName(const QString& value)
{
    return value.size() <= net::MaxNameLength && !value.contains(QLatin1Char('\n'));
}

// One address a line, each one a link could name.
bool IsServerList(const QString& value)
{
    if (value.size() > LongestServerList)
        return false;
    for (const QString& line : value.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!net::ReadAddressAndCode(line, QStringLiteral("AAAAAA")).invitation)
            return false;
    return true;
}

constexpr TTextSetting PlayerName{"Network/Name", "", IsName};
constexpr TTextSetting Servers{"Network/Servers", "", IsServerList};
constexpr TIntSetting HostPort{"Network/HostPort", net::DefaultPort, 1024, 65535};

} // namespace

QString RememberedName(TSettingsStore& store)
{
    return store.Read(PlayerName);
}

void RememberName(TSettingsStore& store, const QString& name)
{
    if (IsName(name))
        store.Write(PlayerName, name);
}

quint16 RememberedHostPort(TSettingsStore& store)
{
    return static_cast<quint16>(store.Read(HostPort));
}

void RememberHostPort(TSettingsStore& store, quint16 port)
{
    store.Write(HostPort, port);
}

QStringList RememberedServerList(TSettingsStore& store)
{
    return store.Read(Servers).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void RememberServer(TSettingsStore& store, const QString& address)
{
    QStringList servers = RememberedServerList(store);
    servers.removeAll(address);
    servers.prepend(address);
    while (servers.size() > RememberedServers)
        servers.removeLast();
    const QString text = servers.join(QLatin1Char('\n'));
    if (IsServerList(text))
        store.Write(Servers, text);
}

} // namespace online
