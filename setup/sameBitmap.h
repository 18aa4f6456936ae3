#pragma once
// Telling whether two pictures are the same bitmap by their content, so a
// piece set the board copied can be recognised again.

class QImage;

/// True when both images exist and have the same width, height, pixel format,
/// colour table (for indexed formats) and pixels. The unused bytes at the end
/// of each row are not compared: two copies of one picture stored with
/// different row padding are the same bitmap.
bool SameBitmap(const QImage& a, const QImage& b);
