// The evaluation: the same position seen from the other side scores the same
// for the team to move, and each part pulls the way it should.

#include <gtest/gtest.h>

#include "engineTestPositions.h"
#include "evaluation.h"

namespace {

using namespace enginetest;

int Score(const std::vector<Placed>& pieces, bool whiteToMove = true, int movesPerTeamTurn = 1)
{
    TVeltanBrdKernel board;
    SetUpPieces(board, pieces, movesPerTeamTurn, 1, whiteToMove);
    return engine::Evaluate(engine::TEngineGame(board));
}

// The board turned upside down with the colours swapped.
std::vector<Placed> Mirrored(const std::vector<Placed>& pieces)
{
    std::vector<Placed> mirrored;
    for (const Placed& p : pieces) {
        const char swapped = (p.piece >= 'a') ? static_cast<char>(p.piece - 'a' + 'A')
                                              : static_cast<char>(p.piece - 'A' + 'a');
        mirrored.push_back({SquareAt(FileOf(p.square), BoardSize + 1 - RankOf(p.square)), swapped, p.owner});
    }
    return mirrored;
}

class Symmetry : public testing::TestWithParam<std::vector<Placed>> {};

TEST_P(Symmetry, MirroredPositionScoresTheSameForTheOtherTeam)
{
    EXPECT_EQ(Score(GetParam(), true), Score(Mirrored(GetParam()), false));
}

INSTANTIATE_TEST_SUITE_P(
    Evaluation, Symmetry,
    testing::Values(std::vector<Placed>{{H01, 'K'}, {H16, 'k'}, {E05, 'P'}, {D12, 'q'}},
                    std::vector<Placed>{
                        {H01, 'K'}, {I01, 'K'}, {H16, 'k'}, {C03, 'N'}, {J09, 'r'}, {A16, 'b'}},
                    std::vector<Placed>{{H04, 'K'}, {I08, 'n'}, {P16, 'k'}, {B07, 'P'}, {B10, 'p'}}));

struct Preference {
    const char* name;
    std::vector<Placed> better, worse;
};

void PrintTo(const Preference& c, std::ostream* os)
{
    *os << c.name;
}

class Preferences : public testing::TestWithParam<Preference> {};

TEST_P(Preferences, BetterPositionScoresHigher)
{
    EXPECT_GT(Score(GetParam().better), Score(GetParam().worse));
}

INSTANTIATE_TEST_SUITE_P(
    Evaluation, Preferences,
    testing::Values(
        Preference{"ExtraQueen", {{H01, 'K'}, {H16, 'k'}, {D04, 'Q'}}, {{H01, 'K'}, {H16, 'k'}, {D04, 'R'}}},
        Preference{
            "PawnNearPromotion", {{H01, 'K'}, {P16, 'k'}, {C14, 'P'}}, {{H01, 'K'}, {P16, 'k'}, {C06, 'P'}}},
        Preference{"SecondKing", {{H01, 'K'}, {I01, 'K'}, {P16, 'k'}}, {{H01, 'K'}, {P16, 'k'}}},
        Preference{"FreeRook",
                   {{H01, 'K'}, {P16, 'k'}, {D08, 'R'}, {A02, 'P'}, {B01, 'P'}},
                   {{H01, 'K'}, {P16, 'k'}, {A01, 'R'}, {A02, 'P'}, {B01, 'P'}}},
        Preference{"ShelteredKing",
                   {{H01, 'K'}, {G02, 'P'}, {H02, 'P'}, {I02, 'P'}, {P16, 'k'}},
                   {{H05, 'K'}, {G02, 'P'}, {H02, 'P'}, {I02, 'P'}, {P16, 'k'}}}),
    [](const testing::TestParamInfo<Preference>& info) { return std::string(info.param.name); });

// An attack on a team's last king costs far more than the same attack on one of two.
TEST(Evaluation, TheLastKingIsWorthMost)
{
    const int lastKingDrop =
        Score({{H01, 'K'}, {P16, 'k'}, {G10, 'r'}}) - Score({{H01, 'K'}, {P16, 'k'}, {H10, 'r'}});
    const int oneOfTwoDrop = Score({{H01, 'K'}, {A01, 'K'}, {P16, 'k'}, {G10, 'r'}}) -
                             Score({{H01, 'K'}, {A01, 'K'}, {P16, 'k'}, {H10, 'r'}});
    EXPECT_GT(oneOfTwoDrop, 0);
    EXPECT_GT(lastKingDrop, 2 * oneOfTwoDrop);
}

TEST(Evaluation, MovesLeftInTheTurnCount)
{
    const std::vector<Placed> pieces = {{H01, 'K'}, {P16, 'k'}, {D04, 'R'}};
    EXPECT_GT(Score(pieces, true, 4), Score(pieces, true, 1));
}

} // namespace
