#pragma once

#include <QImage>
#include <QString>

namespace pieceset {

// Writes the image as PNG to path, replacing any old file only once the new one is complete.
// Returns false and sets *error when the file cannot be written.
bool writePng(const QImage& image, const QString& path, QString* error);

} // namespace pieceset
