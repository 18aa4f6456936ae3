#pragma once

#include "styles.h"

#include <QString>

#include <vector>

namespace pieceset {

// One piece-set bitmap the generator writes.
struct SheetSpec {
    QString fileName; // file name inside the pieces folder
    StyleName style;
    int cellSize;   // P: the bitmap is 7P x 4P (times the scale)
    bool flipBlack; // black pictures and masks turned by 180 degrees
    int scale = 1;  // device pixels per pixel the set is drawn for
};

// Every piece-set bitmap the game ships, the board's built-in set first; then the upright
// sets again at 2 and 3 times their cell ("2x/", "3x/"), which the board scales down on
// screens of more than one device pixel per pixel (the FlipBlack ones it turns itself).
std::vector<SheetSpec> sheetCatalogue();

// One application icon the generator writes.
struct IconSpec {
    QString fileName; // file name inside the icons folder
    int size;         // width and height in pixels
};

// Every icon the game ships.
std::vector<IconSpec> iconCatalogue();

} // namespace pieceset
