// The pictures of the rules page. Their marked squares are not drawn by hand:
// the game's rules are asked for them, so a picture cannot show a move the
// program refuses, nor miss one it allows.

#include "helpDiagrams.h"

#include <algorithm>

#include "veltanbrdKernel.h"

namespace {

// clang-format off
const std::vector<THelpDiagram> Diagrams{
    // A knight leaps over its own pawns; the black pawn on K10 may be taken.
    {"knight", "D12", {".........",
                       ".........",
                       ".......p.",
                       "....P....",
                       "....N....",
                       "...P.....",
                       ".........",
                       ".........",
                       "........."}, "H08"},
    // An unmoved pawn on E04: up to E08, the last rank of its half; it takes
    // on D05, and on G06 over the empty F05.
    {"pawn", "C09", {"......",
                     "......",
                     "......",
                     "....r.",
                     ".n....",
                     "..P...",
                     "......"}, "E04"},
    // Black's pawn has come from D14 to D11 and left markers on D13 and D12.
    {"marker-pawn", "A14", {"......",
                            "...e..",
                            "...e..",
                            "..Pp..",
                            "......"}, "C11"},
    {"marker-rook", "A14", {"......",
                            "...e..",
                            "R..e..",
                            "...p..",
                            "......"}, "A12"},
    // The black rook guards rank 10; the king's own knight stands on I09.
    {"king", "E11", {".......",
                     "r......",
                     "....N..",
                     "...K...",
                     ".......",
                     ".......",
                     "......."}, "H08"},
    {"castling", "A02", {"PPPPPPPPPPPPPPPP",
                         "R.......K......R"}, "I01"},
    {"castled", "A02", {"PPPPPPPPPPPPPPPP",
                        ".KR............R"}, ""},
};
// clang-format on

std::string EmptyBoard(char fill)
{
    return std::string(static_cast<std::size_t>(SquareCount), fill);
}

} // namespace

const std::vector<THelpDiagram>& HelpDiagrams()
{
    return Diagrams;
}

const THelpDiagram* FindHelpDiagram(const std::string& name)
{
    const auto found =
        std::find_if(Diagrams.begin(), Diagrams.end(), [&](const THelpDiagram& d) { return d.name == name; });
    return found == Diagrams.end() ? nullptr : &*found;
}

std::vector<THelpDiagramSquare> DiagramSquares(const THelpDiagram& diagram)
{
    std::vector<THelpDiagramSquare> squares;
    const Square corner = TVeltanBrdKernel::AnsiStringToSquare(diagram.topLeft);
    const int left = FileOf(corner), top = RankOf(corner);
    for (std::size_t row = 0; row < diagram.rows.size(); ++row) {
        const std::string& text = diagram.rows[row];
        for (std::size_t column = 0; column < text.size(); ++column) {
            const Square sq = SquareAt(left + static_cast<int>(column), top - static_cast<int>(row));
            if (sq != SqrNone)
                squares.push_back({sq, text[column] == '.' ? ' ' : text[column]});
        }
    }
    return squares;
}

std::vector<Square> DiagramTargets(const THelpDiagram& diagram)
{
    const Square mover = TVeltanBrdKernel::AnsiStringToSquare(diagram.mover);
    if (mover == SqrNone)
        return {};
    std::string position = EmptyBoard(' ');
    std::string players = EmptyBoard('0');
    for (const THelpDiagramSquare& placed : DiagramSquares(diagram)) {
        position[placed.square - 1u] = placed.piece;
        if (placed.piece != ' ')
            players[placed.square - 1u] = '1';
    }
    TVeltanBrdKernel board;
    // Written as the start position, so every piece counts as unmoved: the
    // long pawn advance and castling are shown as from the start.
    board.SetStartPosition(position);
    board.SetStartPlayers(players);
    board.SetWhiteToMove(board.ColorOfPieceOnSquare(mover, false) == ColorWhite);
    board.SetCurrentTeamPlayer('1');
    std::vector<Square> targets;
    for (int sq = 1; sq <= SquareCount; ++sq) {
        if (board.MoveIsLegal(mover, static_cast<Square>(sq)))
            targets.push_back(static_cast<Square>(sq));
    }
    return targets;
}
