#pragma once
// The piece sets the options dialog offers: the four large sets of the main
// window, each under the name the dialog lists it by, and "Automatic" for the
// board's own built-in set.

#include <QImage>
#include <QString>
#include <array>
#include <optional>

/// One offered set: the dialog's item text and the picture.
struct TPieceSetChoice {
    QString itemText;
    QImage image; ///< null when its resource could not be read
};

/// The dialog's item that hands the board no set of its own.
inline const QString AutomaticPieceSetText = QStringLiteral("Automatic");

/// The four large sets in the order the dialog recognises them:
/// "Common", "French", "Common Flip Black", "French  Flip Black".
using TPieceSetChoices = std::array<TPieceSetChoice, 4>;

/// Reads the four sets from the program's resources.
TPieceSetChoices LoadPieceSetChoices();

/// The item text of the first set whose picture is the same bitmap as
/// `current`; AutomaticPieceSetText when none is (a null `current` included).
QString PieceSetItemFor(const TPieceSetChoices& choices, const QImage& current);

/// The picture behind an item text: a set's image, a null image for
/// "Automatic", no value for any other text or for a set that could not be read.
std::optional<QImage> PieceSetForItem(const TPieceSetChoices& choices, const QString& itemText);
