#pragma once
// The fixed numbers of the network protocol: its version, its WebSocket path,
// the server's default port and the sizes a client may send.

#include <QtGlobal>

namespace net {

/// The protocol version this program speaks; `hello` carries it.
inline constexpr int ProtocolVersion = 1;
/// The WebSocket path of this version, behind any path prefix of a proxy.
inline constexpr char WebSocketPath[] = "/veltan/1";
/// The port a server listens on unless told otherwise.
inline constexpr quint16 DefaultPort = 7490;
/// The largest frame a client may send; larger ones are refused with an error.
inline constexpr qsizetype MaxClientFrameBytes = 64 * 1024;
/// Characters of a player's name and of a chat line (longer ones are refused).
inline constexpr int MaxNameLength = 40;
inline constexpr int MaxChatLength = 500;
/// Characters of a client's own move id.
inline constexpr int MaxMoveIdLength = 64;
/// Letters and digits of a game code.
inline constexpr int GameCodeLength = 6;

} // namespace net
