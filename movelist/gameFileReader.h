#pragma once
// Reading and checking a saved game. A file is read and checked whole before
// anything of it is used, so a damaged file never costs the game in progress.

#include <QByteArray>
#include <QString>

#include "gameFileContent.h"

/// What reading a game file gave: the game, or why there is none.
struct TGameFileReading {
    TGameFileContent game;
    /// Empty when every check passed; else one sentence for the user.
    QString problem;
    bool Passed() const { return problem.isEmpty(); }
};

/// Checks a document and takes the game out of it. Refused: an empty or too
/// large document, binary data, a document type or entity declaration, XML
/// that is not well-formed, no element named Veltan (any letter case), a
/// missing or non-numeric setting, settings other than 1, 2 or 4 (players
/// not above moves, moves per player = moves / players), more than 4096
/// moves, a move without Position, Players or a readable TimeLeft, strings
/// other than 256 of the game's letters, and a piece that belongs to no
/// player. A missing TeamColor counts as Black; a missing or malformed square
/// is SqrNone. The problem names no file.
TGameFileReading ParseGameFile(const QByteArray& data);

/// Reads the file at path and checks it as ParseGameFile does; the problem,
/// if any, is a whole message that names the file.
TGameFileReading ReadGameFile(const QString& path);
