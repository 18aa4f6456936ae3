#include "gameFileReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <tuple>

#include "gameFileFormat.h"
#include "timeText.h"
#include "xmlElementTree.h"

namespace {

using namespace gamefile;

// The letters a board string may hold, looked up per character: a game of
// 4096 moves asks this two million times.
class TLetterSet {
public:
    constexpr explicit TLetterSet(QLatin1String letters)
    {
        for (const char c : letters)
            _allowed[static_cast<unsigned char>(c) & 0x7F] = true;
    }
    constexpr bool Contains(char16_t c) const { return c < _allowed.size() && _allowed[c]; }

private:
    std::array<bool, 128> _allowed{};
};

constexpr TLetterSet PositionLetterSet{PositionLetters};
constexpr TLetterSet PlayerLetterSet{PlayerLetters};
constexpr TLetterSet RealPieces{QLatin1String("PNBRQKpnbrqk")};

// A file is refused with the first problem found; each check returns it.
using TProblem = QString;

QString Quoted(QStringView text)
{
    constexpr qsizetype Shown = 40;
    return QLatin1Char('"') + text.left(Shown).toString() +
           (text.size() > Shown ? QStringLiteral("...\"") : QStringLiteral("\""));
}

TProblem TooLarge()
{
    return QStringLiteral("it is larger than %1 MB; a game of %2 moves takes about 2.5 MB")
        .arg(MaxFileBytes / (1024 * 1024))
        .arg(MaxMoves);
}

QString CharacterName(QChar c)
{
    if (c.unicode() > 0x20 && c.unicode() < 0x7F)
        return QLatin1Char('"') + c + QLatin1Char('"');
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

TProblem ReadSetting(const QXmlStreamAttributes& attributes, QLatin1String name, int& value)
{
    if (!attributes.hasAttribute(name))
        return QStringLiteral("the Veltan element has no %1 attribute").arg(name);
    const QStringView text = attributes.value(name);
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok)
        return QStringLiteral("%1 is %2, which is not a whole number").arg(name, Quoted(text));
    if (value != 1 && value != 2 && value != 4)
        return QStringLiteral("%1 is %2; it must be 1, 2 or 4").arg(name).arg(value);
    return {};
}

TProblem ReadTime(const QXmlStreamAttributes& attributes, QLatin1String name, double& days)
{
    if (!attributes.hasAttribute(name))
        return QStringLiteral("the Veltan element has no %1 attribute").arg(name);
    const QString text = attributes.value(name).toString();
    const std::optional<double> read = ParseTimeText(text);
    if (!read)
        return QStringLiteral("%1 is %2, which is not a time (h:mm:ss)").arg(name, Quoted(text));
    days = *read;
    return {};
}

TProblem ReadSettings(const QXmlStreamAttributes& attributes, TGameFileSettings& settings)
{
    for (const auto& [name, value] : {std::pair{PlayersPerTeamAttribute, &settings.PlayersPerTeam},
                                      std::pair{MovesPerTeamTurnAttribute, &settings.MovesPerTeamTurn},
                                      std::pair{MovesPerPlayerTurnAttribute, &settings.MovesPerPlayerTurn}}) {
        if (TProblem problem = ReadSetting(attributes, name, *value); !problem.isEmpty())
            return problem;
    }
    if (settings.PlayersPerTeam > settings.MovesPerTeamTurn)
        return QStringLiteral("PlayersPerTeam is %1, more than MovesPerTeamTurn (%2)")
            .arg(settings.PlayersPerTeam)
            .arg(settings.MovesPerTeamTurn);
    // Every player of a team makes the same share of the team's moves.
    const int share = settings.MovesPerTeamTurn / settings.PlayersPerTeam;
    if (settings.MovesPerPlayerTurn != share)
        return QStringLiteral("MovesPerPlayerTurn is %1, but %2 moves per team turn shared by %3 players "
                              "make %4 each")
            .arg(settings.MovesPerPlayerTurn)
            .arg(settings.MovesPerTeamTurn)
            .arg(settings.PlayersPerTeam)
            .arg(share);

    return ReadTime(attributes, IncrementAttribute, settings.Increment);
}

// Position and Players: exactly one known letter per square.
TProblem ReadBoardText(const QXmlStreamAttributes& attributes, QLatin1String name, const TLetterSet& letters,
                       std::string& text)
{
    if (!attributes.hasAttribute(name))
        return QStringLiteral("has no %1 attribute").arg(name);
    const QStringView value = attributes.value(name);
    if (value.size() != SquareCount)
        return QStringLiteral("has a %1 of %2 characters instead of %3")
            .arg(name)
            .arg(value.size())
            .arg(SquareCount);
    text.resize(static_cast<std::size_t>(SquareCount));
    for (int i = 0; i < SquareCount; ++i) {
        const QChar c = value[i];
        if (!letters.Contains(c.unicode()))
            return QStringLiteral("has %1 on square %2 of its %3, which is not one of the game's letters")
                .arg(CharacterName(c),
                     QString::fromStdString(TVeltanBrdKernel::SquareToString(static_cast<Square>(i + 1))),
                     name);
        text[static_cast<std::size_t>(i)] = static_cast<char>(c.unicode());
    }
    return {};
}

// A board and its owners: one known letter per square, every piece owned.
TProblem ReadBoard(const QXmlStreamAttributes& attributes, QLatin1String positionName,
                   QLatin1String playersName, std::string& position, std::string& players)
{
    if (TProblem problem = ReadBoardText(attributes, positionName, PositionLetterSet, position);
        !problem.isEmpty())
        return problem;
    if (TProblem problem = ReadBoardText(attributes, playersName, PlayerLetterSet, players);
        !problem.isEmpty())
        return problem;
    for (int sq = 1; sq <= SquareCount; ++sq) {
        const std::size_t i = static_cast<std::size_t>(sq - 1);
        const char owner = players[i];
        if (RealPieces.Contains(static_cast<unsigned char>(position[i])) && (owner < '1' || owner > '4'))
            return QStringLiteral("has a piece on %1 that belongs to no player")
                .arg(QString::fromStdString(TVeltanBrdKernel::SquareToString(static_cast<Square>(sq))));
    }
    return {};
}

TProblem ReadBoundedNumber(const QXmlStreamAttributes& attributes, QLatin1String name, int highest,
                           int& value)
{
    if (!attributes.hasAttribute(name))
        return QStringLiteral("the Veltan element has no %1 attribute").arg(name);
    const QStringView text = attributes.value(name);
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok || value < 0 || value > highest)
        return QStringLiteral("%1 is %2; it must be a whole number from 0 to %3")
            .arg(name, Quoted(text))
            .arg(highest);
    return {};
}

// The start comes as a set: a file that names its start position must say
// everything else about its start too.
TProblem ReadStart(const QXmlStreamAttributes& attributes, std::optional<TGameFileStart>& start)
{
    if (!attributes.hasAttribute(StartPositionAttribute))
        return {};
    TGameFileStart read;
    if (TProblem problem =
            ReadBoard(attributes, StartPositionAttribute, StartPlayersAttribute, read.position, read.players);
        !problem.isEmpty())
        return QStringLiteral("the Veltan element ") + problem;
    for (const auto& [name, highest, value] :
         {std::tuple{StartPositionTypeAttribute, MaxStartPositionType, &read.positionType},
          std::tuple{StartPositionRowShiftAttribute, MaxStartPositionRowShift, &read.rowShift}}) {
        if (TProblem problem = ReadBoundedNumber(attributes, name, highest, *value); !problem.isEmpty())
            return problem;
    }
    for (const auto& [name, days] : {std::pair{TimeStartWhiteAttribute, &read.timeStartWhite},
                                     std::pair{TimeStartBlackAttribute, &read.timeStartBlack},
                                     std::pair{IncrementWhiteAttribute, &read.incrementWhite},
                                     std::pair{IncrementBlackAttribute, &read.incrementBlack}}) {
        if (TProblem problem = ReadTime(attributes, name, *days); !problem.isEmpty())
            return problem;
    }
    start = std::move(read);
    return {};
}

TProblem ReadTimeLoss(const QXmlStreamAttributes& attributes, TGameEnding& timeLoss)
{
    if (!attributes.hasAttribute(LostOnTimeAttribute))
        return {};
    const auto team = attributes.value(LostOnTimeAttribute);
    if (team != WhiteTeam && team != BlackTeam)
        return QStringLiteral("%1 is %2, which is neither %3 nor %4")
            .arg(LostOnTimeAttribute, Quoted(team), WhiteTeam, BlackTeam);
    timeLoss = team == WhiteTeam ? TGameEnding::WhiteLostOnTime : TGameEnding::BlackLostOnTime;
    return {};
}

TProblem ReadMove(const TXmlElement& element, MoveInfo& record)
{
    const QXmlStreamAttributes& attributes = element.attributes;
    if (TProblem problem =
            ReadBoard(attributes, PositionAttribute, PlayersAttribute, record.position, record.players);
        !problem.isEmpty())
        return problem;

    if (!attributes.hasAttribute(TimeLeftAttribute))
        return QStringLiteral("has no %1 attribute").arg(TimeLeftAttribute);
    const QString timeLeft = attributes.value(TimeLeftAttribute).toString();
    const std::optional<double> days = ParseTimeText(timeLeft);
    if (!days)
        return QStringLiteral("has a %1 of %2, which is not a time (h:mm:ss)")
            .arg(TimeLeftAttribute, Quoted(timeLeft));
    record.TimeLeft = *days;
    // The milliseconds, where the file has them, keep what whole seconds round away.
    if (attributes.hasAttribute(TimeLeftMsAttribute)) {
        const QString text = attributes.value(TimeLeftMsAttribute).toString();
        bool number = false;
        const qint64 ms = text.toLongLong(&number);
        if (!number || ms < 0 || ms > qint64{MaxTimeTextHours} * 3'600'000)
            return QStringLiteral("has a %1 of %2, which is not a number of milliseconds from 0 to %3 hours")
                .arg(TimeLeftMsAttribute, Quoted(text))
                .arg(MaxTimeTextHours);
        record.TimeLeft = static_cast<double>(ms) / MillisecondsPerDay;
    }

    // Older files may lack these; the reading stays as tolerant as it always was.
    record.WhiteTeamIsPlaying = attributes.value(TeamColorAttribute) == WhiteTeam;
    record.OldSquare =
        TVeltanBrdKernel::AnsiStringToSquare(attributes.value(OldSqrAttribute).toLatin1().toStdString());
    record.NewSquare =
        TVeltanBrdKernel::AnsiStringToSquare(attributes.value(NewSqrAttribute).toLatin1().toStdString());
    return {};
}

TProblem ReadGame(const QByteArray& data, TGameFileContent& game)
{
    if (data.isEmpty())
        return QStringLiteral("it is empty");
    if (data.size() > MaxFileBytes)
        return TooLarge();
    if (data.contains('\0'))
        return QStringLiteral("it contains binary data");
    // Refused before any parsing: Qt expands entities a DTD declares.
    if (data.contains("<!DOCTYPE") || data.contains("<!ENTITY"))
        return QStringLiteral(
            "it contains a document type or entity declaration, which game files never have "
            "and which is refused");

    const TXmlElementTree tree = TXmlElementTree::Parse(data, MaxElements);
    if (!tree.Problem().isEmpty())
        return tree.Problem();
    const int root = tree.FindIgnoringCase(0, QString(RootElement));
    if (root < 0)
        return QStringLiteral("it holds no Veltan game (there is no element named Veltan)");
    const TXmlElement& rootElement = tree.Element(root);
    if (TProblem problem = ReadSettings(rootElement.attributes, game.settings); !problem.isEmpty())
        return problem;
    if (TProblem problem = ReadStart(rootElement.attributes, game.start); !problem.isEmpty())
        return problem;
    if (TProblem problem = ReadTimeLoss(rootElement.attributes, game.timeLoss); !problem.isEmpty())
        return problem;

    std::vector<int> moveElements;
    for (const int child : rootElement.children) {
        if (tree.Element(child).name == MoveElement)
            moveElements.push_back(child);
    }
    if (moveElements.size() > static_cast<std::size_t>(MaxMoves))
        return QStringLiteral("it holds %1 moves; a game has at most %2")
            .arg(moveElements.size())
            .arg(MaxMoves);

    game.moves.resize(moveElements.size());
    for (std::size_t n = 0; n < moveElements.size(); ++n) {
        const TXmlElement& element = tree.Element(moveElements[n]);
        if (TProblem problem = ReadMove(element, game.moves[n]); !problem.isEmpty())
            return QStringLiteral("move %1 (line %2) %3").arg(n + 1).arg(element.line).arg(problem);
    }
    return {};
}

} // namespace

TGameFileReading ParseGameFile(const QByteArray& data)
{
    TGameFileReading reading;
    reading.problem = ReadGame(data, reading.game);
    if (!reading.Passed())
        reading.game = {};
    return reading;
}

TGameFileReading ReadGameFile(const QString& path)
{
    const auto refused = [&path](const QString& problem) {
        TGameFileReading reading;
        reading.problem = QStringLiteral("Cannot load the game file \"%1\": %2.")
                              .arg(QDir::toNativeSeparators(path), problem);
        return reading;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QStringLiteral("it does not exist"));
    if (info.isDir())
        return refused(QStringLiteral("it is a folder"));
    // Devices and pipes could block or never end.
    if (!info.isFile())
        return refused(QStringLiteral("it is not a regular file"));
    if (info.size() > MaxFileBytes)
        return refused(TooLarge());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    // One byte more than allowed tells a file that grew since it was measured.
    const QByteArray data = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));

    TGameFileReading reading = ParseGameFile(data);
    if (!reading.Passed())
        return refused(reading.problem);
    return reading;
}
