#pragma once
// The small board pictures of the rules page: a few squares of the board
// with pieces on them, and the squares one of those pieces may go to.

#include <string>
#include <vector>

#include "square.h"

/// One picture: a rectangle of the 16 x 16 board and what stands on it.
struct THelpDiagram {
    /// The name the page gives it: <img src="diagram:NAME">.
    std::string name;
    /// The square at the picture's top-left corner, e.g. "D12".
    std::string topLeft;
    /// The rows from the top rank down, one character a file: a piece
    /// letter as on the board (E/e the en passant markers) or '.' for empty.
    std::vector<std::string> rows;
    /// The piece whose moves the picture shows; empty for a plain picture.
    std::string mover;
};

/// Every picture the rules page shows, in the page's order.
const std::vector<THelpDiagram>& HelpDiagrams();

/// The picture of that name; nullptr when the page has none.
const THelpDiagram* FindHelpDiagram(const std::string& name);

/// The squares of the picture in board order, each piece where the rows put it.
struct THelpDiagramSquare {
    Square square = SqrNone;
    char piece = ' ';
};
std::vector<THelpDiagramSquare> DiagramSquares(const THelpDiagram& diagram);

/// The squares the mover may go to, asked of the game's own rules: the
/// picture's pieces alone on the board, every one still on its start square
/// and owned by player 1, the mover's team to move. Empty without a mover.
std::vector<Square> DiagramTargets(const THelpDiagram& diagram);
