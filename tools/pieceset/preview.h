#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace pieceset {

// A piece-set bitmap and the name to show beside it.
struct NamedSheet {
    QString name;
    QImage sheet;
};

// Draws every set through its masks, the way the board will: for each sheet one strip with the
// white and black pieces on alternating light-blue and white squares of the sheet's cell size,
// each strip labelled with its name. Meant for checking the artwork by eye.
QImage composePreview(const std::vector<NamedSheet>& sheets);

} // namespace pieceset
