#pragma once
// Writing a saved game: the XML document of the board's settings and its
// records of moves 1 to LastMove, and its safe replacement of a file on disk.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

#include "gameFileContent.h"
#include "gameFileOutcome.h"
#include "veltanbrdKernel.h"

/// Root attributes a caller adds after the standard ones, as name and value.
/// Readers that do not know them pass them by.
using TExtraAttributes = std::vector<std::pair<QString, QString>>;

/// True below one full turn of each team (LastMove < 2 x MovesPerTeamTurn):
/// such a game is not worth a file.
bool NothingToSave(const TVeltanBrdKernel& board);

/// The whole document: the declaration (version "1.0", encoding "utf-8"),
/// the Veltan element with Version, Name, DateTime, PlayersPerTeam,
/// MovesPerTeamTurn, MovesPerPlayerTurn and Increment (White's), then one
/// Move element per record 1..LastMove with Position, Players, TimeLeft,
/// TeamColor, OldSqr and NewSqr, all in that order and indented by two
/// blanks. Times are in the fixed form "h:mm:ss".
QByteArray GameFileDocument(const TVeltanBrdKernel& board, const QString& name, const QString& stamp);

/// What a game file of the board would hold, start included, as a copy that
/// can be written elsewhere (another thread) while the board plays on: the
/// records 1..LastMove, and a loss on time when they reach the end of the line.
TGameFileContent GameFileContentOf(const TVeltanBrdKernel& board);

/// The same for the whole line of play, records 1..HistoryEnd(), whichever
/// record is shown.
TGameFileContent GameLineContentOf(const TVeltanBrdKernel& board);

/// The document of a copied game, as GameFileDocument writes it, with the
/// extra root attributes after the start.
QByteArray GameFileDocument(const TGameFileContent& game, const QString& name, const QString& stamp,
                            const TExtraAttributes& extras = {});

/// Writes a finished document to path. An existing file is replaced only
/// once the new one is completely written, so a failure leaves it as it was;
/// a failure is never reported as done. Safe on any thread.
[[nodiscard]] TGameFileOutcome SaveGameDocument(const QString& path, const QByteArray& document);

/// Writes the document (Name = path) to path. An existing file is replaced
/// only once the new one is completely written, so a failure leaves it as it
/// was; a failure is never reported as done.
[[nodiscard]] TGameFileOutcome SaveGameFile(const QString& path, const TVeltanBrdKernel& board,
                                            const QString& stamp);
