#pragma once

#include "styles.h"

#include <QString>

#include <vector>

namespace pieceset {

// One piece-set bitmap the generator writes.
struct SheetSpec {
    QString fileName; // file name inside the pieces folder
    StyleName style;
    int cellSize;   // P: the bitmap is 7P x 4P
    bool flipBlack; // black pictures and masks turned by 180 degrees
};

// Every piece-set bitmap the game ships, the board's built-in set first.
std::vector<SheetSpec> sheetCatalogue();

// One application icon the generator writes.
struct IconSpec {
    QString fileName; // file name inside the icons folder
    int size;         // width and height in pixels
};

// Every icon the game ships.
std::vector<IconSpec> iconCatalogue();

} // namespace pieceset
