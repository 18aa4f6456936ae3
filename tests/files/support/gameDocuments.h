#pragma once
// Game documents for the tests: what the writer makes, edited, and put on disk.

#include <QByteArray>
#include <QString>

#include "veltanbrdKernel.h"

/// The name and stamp the tests save with, so documents compare byte for byte.
inline const QString TestGameName = QStringLiteral("test-game.xml");
inline const QString TestGameStamp = QStringLiteral("2024-03-15-14-05-09");

/// The writer's document for a board, with the test name and stamp.
QByteArray SavedDocument(const TVeltanBrdKernel& board);

/// The document with the first match of a regular expression replaced ("\1"
/// in the replacement stands for the first group); the document unchanged
/// when nothing matches (tests check their edits).
QByteArray ReplaceFirst(const QByteArray& document, const QString& pattern, const QString& replacement);

/// The document without the attributes that say how the game started, as
/// files were written before they said it.
QByteArray WithoutStart(const QByteArray& document);

/// Writes bytes to a new file and returns whether all of them were written.
bool WriteBytes(const QString& path, const QByteArray& bytes);
