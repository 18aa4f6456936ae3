#pragma once
// Game codes: six capital letters and digits, none of the look-alikes (0 and
// O, 1 and I and L, 2 and Z, 5 and S, 8 and B), easy to read out to a friend.

#include <QString>
#include <QStringView>

class QRandomGenerator;

namespace net {

/// The characters a code is made of.
inline constexpr char GameCodeAlphabet[] = "34679ACDEFGHJKMNPQRTUVWXY";

/// A new random code from `random` (the server passes a cryptographic source).
QString NewGameCode(QRandomGenerator& random);
/// True for a code of GameCodeLength characters of the alphabet. Lower case
/// letters count as their capitals (see NormalGameCode).
bool IsGameCode(QStringView code);
/// The code in capitals, as stored: people type codes as they hear them.
QString NormalGameCode(QStringView code);

} // namespace net
