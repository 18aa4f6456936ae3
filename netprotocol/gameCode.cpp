#include "gameCode.h"

#include <QRandomGenerator>
#include <algorithm>
#include <iterator>

#include "protocolLimits.h"

namespace net {

namespace {

// The terminating zero is no character of a code.
constexpr int AlphabetSize = static_cast<int>(std::size(GameCodeAlphabet)) - 1;

// Only ASCII letters change: no other character's capital is in the alphabet,
// and QChar::toUpper would turn some (the long s, ...) into ASCII capitals.
QChar AsciiCapital(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? QChar(static_cast<char16_t>(u - u'a' + u'A')) : c;
}

bool IsAlphabetCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return std::any_of(GameCodeAlphabet, GameCodeAlphabet + AlphabetSize,
                       [u](char letter) { return u == static_cast<char16_t>(letter); });
}

} // namespace

QString NewGameCode(QRandomGenerator& random)
{
    QString code;
    code.reserve(GameCodeLength);
    for (int i = 0; i < GameCodeLength; ++i)
        code += QLatin1Char(GameCodeAlphabet[random.bounded(AlphabetSize)]);
    return code;
}

bool IsGameCode(QStringView code)
{
    return code.size() == GameCodeLength && std::all_of(code.begin(), code.end(), [](QChar c) {
               return IsAlphabetCharacter(AsciiCapital(c));
           });
}

QString NormalGameCode(QStringView code)
{
    QString normal;
    normal.reserve(code.size());
    for (const QChar c : code)
        normal += AsciiCapital(c);
    return normal;
}

} // namespace net
