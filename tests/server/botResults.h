#pragma once
// What the tests read from the bot program: its seats on the command line,
// and the result line it prints at the end of a game.

#include <QString>
#include <QStringList>

/// The bot program of this build; empty when the build has none.
#ifdef VELTAN_NETBOT_PATH
inline constexpr char NetbotPath[] = VELTAN_NETBOT_PATH;
#else
inline constexpr char NetbotPath[] = "";
#endif

/// "--seat white-1 --seat white-2 ..." for the players of a team.
QStringList TeamSeats(const char* team, int players);

/// A bot's result: the moves of its game and the digest of its final board.
struct TBotResult {
    int moves = -1;
    QString digest;
};

class QProcess;

/// Waits (at most `waitMs`) for a hosting bot to print its game's code on its
/// first line; the code, or an empty text. What the bot printed so far is
/// added to `output`.
QString AwaitGameCode(QProcess& host, QString& output, int waitMs);

/// Reads "game K7MXQ4: white won (kings) after 57 moves, position 1a2b3c4d: ...".
TBotResult ReadResultLine(const QString& output);
