#pragma once
// What network play remembers between runs: the player's name at the table
// and the servers joined last, newest first.

#include <QString>
#include <QStringList>

class TSettingsStore;

namespace online {

/// Most servers remembered.
inline constexpr int RememberedServers = 8;

/// The name last given; empty before the first game.
QString RememberedName(TSettingsStore& store);
/// Remembers the name for the next game.
void RememberName(TSettingsStore& store, const QString& name);
/// The port of the server run on this machine, the same each time so links stay good.
quint16 RememberedHostPort(TSettingsStore& store);
/// Remembers that port.
void RememberHostPort(TSettingsStore& store, quint16 port);
/// The servers joined last ("host:port"), newest first.
QStringList RememberedServerList(TSettingsStore& store);
/// Puts `address` first among the servers remembered, keeping at most RememberedServers.
void RememberServer(TSettingsStore& store, const QString& address);

} // namespace online
