#include "gameFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <algorithm>

#include "gameFileFormat.h"
#include "timeText.h"

namespace {

using namespace gamefile;

QString SquareText(Square sq)
{
    return QString::fromStdString(TVeltanBrdKernel::SquareToString(sq));
}

void WriteMove(QXmlStreamWriter& writer, const MoveInfo& record)
{
    writer.writeEmptyElement(MoveElement);
    // Board strings are 8-bit letters, not UTF-8 text.
    writer.writeAttribute(PositionAttribute, QString::fromLatin1(record.position));
    writer.writeAttribute(PlayersAttribute, QString::fromLatin1(record.players));
    writer.writeAttribute(TimeLeftAttribute, TimeText(record.TimeLeft));
    writer.writeAttribute(TimeLeftMsAttribute,
                          QString::number(qRound64(record.TimeLeft * MillisecondsPerDay)));
    writer.writeAttribute(TeamColorAttribute, record.WhiteTeamIsPlaying ? WhiteTeam : BlackTeam);
    writer.writeAttribute(OldSqrAttribute, SquareText(record.OldSquare));
    writer.writeAttribute(NewSqrAttribute, SquareText(record.NewSquare));
}

// Record 0 holds the start as the game began; with the settings around it a
// reader sets up the very game, whatever arrangement it was.
void WriteStart(QXmlStreamWriter& writer, const TGameFileStart& start)
{
    writer.writeAttribute(StartPositionAttribute, QString::fromLatin1(start.position));
    writer.writeAttribute(StartPlayersAttribute, QString::fromLatin1(start.players));
    writer.writeAttribute(StartPositionTypeAttribute, QString::number(start.positionType));
    writer.writeAttribute(StartPositionRowShiftAttribute, QString::number(start.rowShift));
    writer.writeAttribute(TimeStartWhiteAttribute, TimeText(start.timeStartWhite));
    writer.writeAttribute(TimeStartBlackAttribute, TimeText(start.timeStartBlack));
    writer.writeAttribute(IncrementWhiteAttribute, TimeText(start.incrementWhite));
    writer.writeAttribute(IncrementBlackAttribute, TimeText(start.incrementBlack));
}

// The game with its records 1..last.
TGameFileContent ContentUpTo(const TVeltanBrdKernel& board, int last)
{
    TGameFileContent game;
    game.settings.PlayersPerTeam = board.PlayersPerTeam();
    game.settings.MovesPerTeamTurn = board.MovesPerTeamTurn();
    game.settings.MovesPerPlayerTurn = board.MovesPerPlayerTurn();
    game.settings.Increment = board.TimeIncrementWhite();
    const MoveInfo& first = board.MoveList[0];
    TGameFileStart& start = game.start.emplace();
    start.position = first.position;
    start.players = first.players;
    start.positionType = board.StartPositionType();
    start.rowShift = board.StartPositionRowShift();
    start.timeStartWhite = board.TimeStartWhite();
    start.timeStartBlack = board.TimeStartBlack();
    start.incrementWhite = board.TimeIncrementWhite();
    start.incrementBlack = board.TimeIncrementBlack();
    last = std::clamp(last, 0, MaxMoves);
    game.moves.assign(board.MoveList.begin() + 1, board.MoveList.begin() + 1 + last);
    // The loss belongs to the end of the line: a file that stops before it
    // holds a game that went on.
    if (last == board.HistoryEnd())
        game.timeLoss = board.TimeLoss();
    return game;
}

} // namespace

bool NothingToSave(const TVeltanBrdKernel& board)
{
    return board.LastMove < 2 * board.MovesPerTeamTurn();
}

TGameFileContent GameFileContentOf(const TVeltanBrdKernel& board)
{
    return ContentUpTo(board, board.LastMove);
}

TGameFileContent GameLineContentOf(const TVeltanBrdKernel& board)
{
    return ContentUpTo(board, board.HistoryEnd());
}

QByteArray GameFileDocument(const TVeltanBrdKernel& board, const QString& name, const QString& stamp)
{
    return GameFileDocument(GameFileContentOf(board), name, stamp);
}

QByteArray GameFileDocument(const TGameFileContent& game, const QString& name, const QString& stamp,
                            const TExtraAttributes& extras)
{
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    // Qt would spell the encoding "UTF-8"; game files have always said "utf-8".
    // The writer's formatting starts the root on a line of its own.
    buffer.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>");

    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartElement(RootElement);
    writer.writeAttribute(VersionAttribute, FormatVersion);
    writer.writeAttribute(NameAttribute, name);
    writer.writeAttribute(DateTimeAttribute, stamp);
    writer.writeAttribute(PlayersPerTeamAttribute, QString::number(game.settings.PlayersPerTeam));
    writer.writeAttribute(MovesPerTeamTurnAttribute, QString::number(game.settings.MovesPerTeamTurn));
    writer.writeAttribute(MovesPerPlayerTurnAttribute, QString::number(game.settings.MovesPerPlayerTurn));
    writer.writeAttribute(IncrementAttribute, TimeText(game.settings.Increment));
    if (game.start)
        WriteStart(writer, *game.start);
    if (game.timeLoss == TGameEnding::WhiteLostOnTime || game.timeLoss == TGameEnding::BlackLostOnTime)
        writer.writeAttribute(LostOnTimeAttribute,
                              game.timeLoss == TGameEnding::WhiteLostOnTime ? WhiteTeam : BlackTeam);
    for (const auto& [attribute, value] : extras)
        writer.writeAttribute(attribute, value);
    for (const MoveInfo& record : game.moves)
        WriteMove(writer, record);
    writer.writeEndElement();
    writer.writeEndDocument();
    return document;
}

TGameFileOutcome SaveGameFile(const QString& path, const TVeltanBrdKernel& board, const QString& stamp)
{
    return SaveGameDocument(path, GameFileDocument(board, path, stamp));
}

TGameFileOutcome SaveGameDocument(const QString& path, const QByteArray& document)
{
    const auto failed = [&path](const QString& reason) {
        return TGameFileOutcome{false,
                                QStringLiteral("Cannot save the game to \"%1\": %2. Any earlier file of "
                                               "that name is unchanged.")
                                    .arg(QDir::toNativeSeparators(path), reason)};
    };
    // The new file is written beside the old one and takes its place only
    // when every byte has been written. Unbuffered, because QSaveFile's
    // commit() ignores a failure to flush its buffer (a full disk would then
    // replace the old file with a cut-off one and report success); this way
    // the write itself reports every byte that did not reach the disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (file.write(document) != document.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {true, {}};
}
