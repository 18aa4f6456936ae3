// A stand-in engine program for the window's tests. It greets as the
// protocol asks, and answers `go` as VELTAN_FAKE_ENGINE says:
//   good     the first legal move of the position it was sent
//   crash    ends abnormally
//   illegal  a move no piece can make
//   silent   nothing at all
//   late     the first legal move, long after any `stop`
//   thinking reports the first legal move at depth 3, and plays it on `stop`
//   refuse   refuses every `position` as the engine refuses one, then answers
//            `go` with the first legal move of the game it was sent all the same

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "commandWords.h"
#include "moveText.h"
#include "positionCommand.h"

namespace {

constexpr std::chrono::milliseconds LateAnswer{1500};

std::string FirstLegalMove(const TVeltanBrdKernel* game)
{
    if (game == nullptr)
        return "none";
    for (int from = 1; from <= SquareCount; ++from) {
        for (int to = 1; to <= SquareCount; ++to) {
            if (game->MoveIsLegal(static_cast<Square>(from), static_cast<Square>(to)))
                return MoveText(static_cast<Square>(from), static_cast<Square>(to));
        }
    }
    return "none";
}

} // namespace

int main()
{
    const char* const chosen = std::getenv("VELTAN_FAKE_ENGINE");
    const std::string mode = chosen != nullptr ? chosen : "good";
    TPositionReading position;
    bool searching = false;
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string> words = SplitWords(line);
        if (words.empty())
            continue;
        if (words[0] == "vep") {
            std::cout << "id name fake\nvepok" << std::endl;
        } else if (words[0] == "isready") {
            std::cout << "readyok" << std::endl;
        } else if (words[0] == "position") {
            position = ReadPosition(std::vector<std::string>(words.begin() + 1, words.end()));
            if (position.game == nullptr || mode == "refuse")
                std::cout << "info string position: "
                          << (position.game == nullptr ? position.problem : "move 1: not legal") << std::endl;
        } else if (words[0] == "go") {
            if (mode == "crash")
                std::abort();
            if (mode == "silent")
                continue;
            if (mode == "thinking") {
                std::cout << "info depth 3 score cp 12 nodes 9 nps 9 time 1 pv "
                          << FirstLegalMove(position.game.get()) << std::endl;
                searching = true;
                continue;
            }
            if (mode == "late")
                std::this_thread::sleep_for(LateAnswer);
            const std::string move = mode == "illegal" ? "A16P01" : FirstLegalMove(position.game.get());
            std::cout << "info depth 1 score cp 0\nbestmove " << move << std::endl;
        } else if (words[0] == "stop" && searching) {
            searching = false;
            std::cout << "bestmove " << FirstLegalMove(position.game.get()) << std::endl;
        } else if (words[0] == "quit") {
            return 0;
        }
    }
    return 0;
}
