#include "endingWords.h"

#include <array>

namespace net {

namespace {

struct TEndingRow {
    TGameEnding ending;
    const char* result;
    const char* reason;
    bool onTheBoard; ///< the board that followed the moves reaches it too
};

constexpr std::array<TEndingRow, 9> Endings = {{
    {TGameEnding::WhiteWon, "white", "kings", true},
    {TGameEnding::BlackWon, "black", "kings", true},
    {TGameEnding::WhiteCannotMove, "black", "no-moves", true},
    {TGameEnding::BlackCannotMove, "white", "no-moves", true},
    {TGameEnding::Repetition, "draw", "repetition", true},
    {TGameEnding::NoMatingMaterial, "draw", "material", true},
    {TGameEnding::HistoryFull, "draw", "history-full", true},
    // A clock is the server's alone: no board reaches a loss on time by moves.
    {TGameEnding::WhiteLostOnTime, "black", "time", false},
    {TGameEnding::BlackLostOnTime, "white", "time", false},
}};

} // namespace

TEndingWords EndingWords(TGameEnding ending)
{
    for (const TEndingRow& row : Endings)
        if (row.ending == ending)
            return {QLatin1String(row.result), QLatin1String(row.reason)};
    return {};
}

QString EndingDisagreement(const QString& result, const QString& reason, const TVeltanBrdKernel& board)
{
    bool judged = false;
    for (const TEndingRow& row : Endings) {
        if (!row.onTheBoard || reason != QLatin1String(row.reason))
            continue;
        judged = true;
        if (result == QLatin1String(row.result) && board.Ending() == row.ending)
            return {};
    }
    if (!judged)
        return {};
    return QStringLiteral("the server ended the game (%1, %2) where the rules say \"%3\"")
        .arg(result, reason, QString::fromStdString(TVeltanBrdKernel::EndingMessage(board.Ending())));
}

} // namespace net
