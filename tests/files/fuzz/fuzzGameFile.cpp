// libFuzzer entry: any bytes through the game-file check. The check must
// never crash, hang or read out of bounds, and what it accepts must be a game
// the board can take.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gameFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TGameFileReading reading = ParseGameFile(bytes);
    if (reading.Passed()) {
        for (const MoveInfo& record : reading.game.moves) {
            if (record.position.size() != SquareCount || record.players.size() != SquareCount)
                std::abort();
        }
        if (reading.game.moves.size() > static_cast<std::size_t>(MaxHistoryMoves))
            std::abort();
    } else if (reading.problem.isEmpty()) {
        std::abort();
    }
    return 0;
}
