// A file that fails any check is refused with one message that names the file
// and what is wrong, and the game in progress stays exactly as it was: board,
// history, settings, clocks and turn state, and the main window is not touched.

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "gameDocuments.h"
#include "gameFileFormat.h"
#include "gameFileReader.h"
#include "gameLoader.h"
#include "gamePlay.h"
#include "gameSnapshot.h"
#include "gameTestHost.h"

namespace {

// A valid document of four moves, two per team turn shared by two players.
QByteArray ValidDocument()
{
    TVeltanBrdKernel board;
    StartGame(board, {2, 2});
    PlayMoves(board, 4, 21);
    return SavedDocument(board);
}

QByteArray WithoutAttribute(const QByteArray& document, const QString& attribute)
{
    return ReplaceFirst(document, QStringLiteral(" %1=\"[^\"]*\"").arg(attribute), QString());
}

QByteArray WithAttribute(const QByteArray& document, const QString& attribute, const QString& value)
{
    return ReplaceFirst(document, QStringLiteral(" %1=\"[^\"]*\"").arg(attribute),
                        QStringLiteral(" %1=\"%2\"").arg(attribute, value));
}

// Changes one character of the first Position or Players value, at index.
QByteArray WithCharacter(const QByteArray& document, const QString& attribute, int index, const QString& c)
{
    return ReplaceFirst(document, QStringLiteral(" %1=\"[^\"]{%2}\\K[^\"]").arg(attribute).arg(index), c);
}

QByteArray WithMoves(const QByteArray& document, int count)
{
    const QString text = QString::fromUtf8(document);
    const qsizetype start = text.indexOf(QStringLiteral("  <Move "));
    const qsizetype end = text.indexOf(QLatin1Char('\n'), start) + 1;
    const QString move = text.mid(start, end - start);
    QString edited = text;
    edited.replace(QRegularExpression(QStringLiteral("  <Move [^\\n]*\\n")), QString());
    edited.insert(edited.indexOf(QStringLiteral("</Veltan>")), move.repeated(count));
    return edited.toUtf8();
}

QByteArray EntityBlowUp()
{
    QByteArray dtd = "<!DOCTYPE Veltan [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        dtd += QStringLiteral("<!ENTITY l%1 \"%2\">")
                   .arg(i)
                   .arg(QStringLiteral("&l%1;").arg(i - 1).repeated(10))
                   .toUtf8();
    dtd += "]>\n";
    QByteArray document = ValidDocument();
    document.insert(document.indexOf('\n') + 1, dtd);
    return document.replace("Version=\"0.9\"", "Version=\"&l9;\"");
}

QByteArray BinaryData()
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>((i * 37) % 256);
    return bytes;
}

struct BadFile {
    const char* name;
    std::function<QByteArray(const QByteArray& valid)> make;
    const char* complaint;
};

void PrintTo(const BadFile& c, std::ostream* os)
{
    *os << c.name;
}

const BadFile BadFiles[] = {
    {"Empty", [](const QByteArray&) { return QByteArray(); }, "it is empty"},
    {"TruncatedXml", [](const QByteArray& v) { return v.left(v.size() / 2); }, "not well-formed XML (line "},
    {"TruncatedBeforeTheEndTag", [](const QByteArray& v) { return v.left(v.indexOf("</Veltan>")); },
     "not well-formed XML"},
    {"PlainText", [](const QByteArray&) { return QByteArray("a game of chess\n"); },
     "not well-formed XML (line 1"},
    {"UndeclaredEntity", [](const QByteArray& v) { return WithAttribute(v, "Name", "&game;"); },
     "not declared"},
    {"WrongRoot", [](const QByteArray& v) { return QByteArray(v).replace("Veltan", "Chess"); },
     "no element named Veltan"},
    {"MissingPlayersPerTeam", [](const QByteArray& v) { return WithoutAttribute(v, "PlayersPerTeam"); },
     "has no PlayersPerTeam attribute"},
    {"MissingMovesPerTeamTurn", [](const QByteArray& v) { return WithoutAttribute(v, "MovesPerTeamTurn"); },
     "has no MovesPerTeamTurn attribute"},
    {"MissingMovesPerPlayerTurn",
     [](const QByteArray& v) { return WithoutAttribute(v, "MovesPerPlayerTurn"); },
     "has no MovesPerPlayerTurn attribute"},
    {"MissingIncrement", [](const QByteArray& v) { return WithoutAttribute(v, "Increment"); },
     "has no Increment attribute"},
    {"MissingPosition", [](const QByteArray& v) { return WithoutAttribute(v, "Position"); },
     "move 1 (line 3) has no Position attribute"},
    {"MissingPlayers", [](const QByteArray& v) { return WithoutAttribute(v, "Players"); },
     "move 1 (line 3) has no Players attribute"},
    {"MissingTimeLeft", [](const QByteArray& v) { return WithoutAttribute(v, "TimeLeft"); },
     "has no TimeLeft attribute"},
    {"NonNumericPlayersPerTeam",
     [](const QByteArray& v) { return WithAttribute(v, "PlayersPerTeam", "two"); },
     "PlayersPerTeam is \"two\", which is not a whole number"},
    {"NonNumericMovesPerTeamTurn",
     [](const QByteArray& v) { return WithAttribute(v, "MovesPerTeamTurn", "2x"); },
     "MovesPerTeamTurn is \"2x\", which is not a whole number"},
    {"EmptyMovesPerPlayerTurn",
     [](const QByteArray& v) { return WithAttribute(v, "MovesPerPlayerTurn", ""); },
     "MovesPerPlayerTurn is \"\", which is not a whole number"},
    {"ZeroPlayers", [](const QByteArray& v) { return WithAttribute(v, "PlayersPerTeam", "0"); },
     "PlayersPerTeam is 0; it must be 1, 2 or 4"},
    {"NegativePlayers", [](const QByteArray& v) { return WithAttribute(v, "PlayersPerTeam", "-2"); },
     "PlayersPerTeam is -2; it must be 1, 2 or 4"},
    {"ThreeMovesPerTurn", [](const QByteArray& v) { return WithAttribute(v, "MovesPerTeamTurn", "3"); },
     "MovesPerTeamTurn is 3; it must be 1, 2 or 4"},
    {"EightMovesPerTurn", [](const QByteArray& v) { return WithAttribute(v, "MovesPerTeamTurn", "8"); },
     "MovesPerTeamTurn is 8; it must be 1, 2 or 4"},
    {"HugeMovesPerPlayer",
     [](const QByteArray& v) { return WithAttribute(v, "MovesPerPlayerTurn", "99999999999"); },
     "not a whole number"},
    {"MorePlayersThanMoves", [](const QByteArray& v) { return WithAttribute(v, "PlayersPerTeam", "4"); },
     "PlayersPerTeam is 4, more than MovesPerTeamTurn (2)"},
    {"MovesPerPlayerNotTheShare",
     [](const QByteArray& v) { return WithAttribute(v, "MovesPerPlayerTurn", "2"); },
     "MovesPerPlayerTurn is 2, but 2 moves per team turn shared by 2 players make 1 each"},
    {"IncrementNotATime", [](const QByteArray& v) { return WithAttribute(v, "Increment", "soon"); },
     "Increment is \"soon\", which is not a time"},
    {"TimeLeftNotATime", [](const QByteArray& v) { return WithAttribute(v, "TimeLeft", "0:61:00"); },
     "move 1 (line 3) has a TimeLeft of \"0:61:00\", which is not a time"},
    {"TimeLeftMsNotANumber", [](const QByteArray& v) { return WithAttribute(v, "TimeLeftMs", "-1"); },
     "move 1 (line 3) has a TimeLeftMs of \"-1\", which is not a number of milliseconds"},
    {"LostOnTimeByNoTeam",
     [](const QByteArray& v) { return ReplaceFirst(v, " Increment=", " LostOnTime=\"Grey\" Increment="); },
     "LostOnTime is \"Grey\", which is neither White nor Black"},
    {"ShortPosition", [](const QByteArray& v) { return ReplaceFirst(v, " Position=\"\\K[^\"]", ""); },
     "move 1 (line 3) has a Position of 255 characters instead of 256"},
    {"LongPosition", [](const QByteArray& v) { return ReplaceFirst(v, " Position=\"\\K", "R"); },
     "has a Position of 257 characters instead of 256"},
    {"EmptyPlayers", [](const QByteArray& v) { return WithAttribute(v, "Players", ""); },
     "has a Players of 0 characters instead of 256"},
    {"UnknownPieceLetter", [](const QByteArray& v) { return WithCharacter(v, "Position", 17, "X"); },
     "has \"X\" on square B15 of its Position, which is not one of the game's letters"},
    {"NonAsciiPieceLetter", [](const QByteArray& v) { return WithCharacter(v, "Position", 0, "\u00e9"); },
     "has U+00E9 on square A16 of its Position"},
    {"UnknownPlayer", [](const QByteArray& v) { return WithCharacter(v, "Players", 255, "5"); },
     "has \"5\" on square P01 of its Players"},
    {"PieceWithoutPlayer", [](const QByteArray& v) { return WithCharacter(v, "Players", 0, "0"); },
     "has a piece on A16 that belongs to no player"},
    {"FourThousandNinetySevenMoves", [](const QByteArray& v) { return WithMoves(v, gamefile::MaxMoves + 1); },
     "it holds 4097 moves; a game has at most 4096"},
    {"OverTheSizeLimit",
     [](const QByteArray& v) { return v + "<!--" + QByteArray(gamefile::MaxFileBytes, 'x') + "-->\n"; },
     "it is larger than 8 MB"},
    {"DocumentTypeDeclaration",
     [](const QByteArray& v) { return QByteArray(v).insert(v.indexOf('\n') + 1, "<!DOCTYPE Veltan>\n"); },
     "document type or entity declaration"},
    {"EntityBlowUp", [](const QByteArray&) { return EntityBlowUp(); }, "document type or entity declaration"},
    {"EntityDeclarationInAComment", [](const QByteArray& v) { return v + "<!-- <!ENTITY x \"y\"> -->\n"; },
     "document type or entity declaration"},
    {"BinaryData", [](const QByteArray&) { return BinaryData(); }, "it contains binary data"},
    {"PictureHeader", [](const QByteArray&) { return QByteArray("\x89PNG\r\n\x1a\nIHDR junk"); },
     "not well-formed XML"},
    {"DeeplyNested", [](const QByteArray&) { return QByteArray("<a>").repeated(100000); },
     "more than 8192 elements"},
    {"ManyElements",
     [](const QByteArray& v) {
         return QByteArray(v).insert(v.indexOf("</Veltan>"), QByteArray("<Note/>").repeated(9000));
     },
     "more than 8192 elements"},
};

class GameInProgress : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        StartGame(board, {1, 1});
        ASSERT_EQ(PlayMoves(board, 5, 17), 5);
        ASSERT_TRUE(board.MoveBackward());
        before = Snapshot(board);
    }

    QTemporaryDir dir;
    TVeltanBrdKernel board;
    TTestGameHost host{board};
    TGameSnapshot before;
};

class BadGameFiles : public GameInProgress, public testing::WithParamInterface<BadFile> {};

TEST_P(BadGameFiles, AreRefusedWithOneClearMessageAndTheGameUntouched)
{
    const QByteArray valid = ValidDocument();
    const QByteArray bad = GetParam().make(valid);
    ASSERT_NE(bad, valid) << "the edit did not apply";
    const QString path = dir.filePath(QStringLiteral("bad-%1.xml").arg(GetParam().name));
    ASSERT_TRUE(WriteBytes(path, bad));

    const TGameFileOutcome outcome = LoadGameFile(path, board, host);

    EXPECT_FALSE(outcome.done);
    const std::string message = outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains(QDir::toNativeSeparators(path))) << message;
    EXPECT_NE(message.find(GetParam().complaint), std::string::npos) << message;
    EXPECT_NE(message.find("The game in progress is unchanged."), std::string::npos) << message;
    EXPECT_EQ(Snapshot(board), before);
    EXPECT_TRUE(host.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, BadGameFiles, testing::ValuesIn(BadFiles),
                         [](const testing::TestParamInfo<BadFile>& info) {
                             return std::string(info.param.name);
                         });

TEST(BadGameFileContents, OverTheSizeLimitAreRefusedWithoutAFileToo)
{
    const TGameFileReading reading = ParseGameFile(QByteArray(gamefile::MaxFileBytes + 1, ' '));
    EXPECT_FALSE(reading.Passed());
    EXPECT_TRUE(reading.problem.contains(QStringLiteral("larger than 8 MB")))
        << reading.problem.toStdString();
}

struct BadPlace {
    const char* name;
    std::function<QString(const QTemporaryDir&)> make;
    const char* complaint;
};

TEST_F(GameInProgress, PlacesThatAreNoReadableFileAreRefusedWithTheGameUntouched)
{
    const BadPlace places[] = {
        {"Missing", [](const QTemporaryDir& d) { return d.filePath(QStringLiteral("missing.xml")); },
         "it does not exist"},
        {"Folder",
         [](const QTemporaryDir& d) {
             QDir(d.path()).mkdir(QStringLiteral("folder.xml"));
             return d.filePath(QStringLiteral("folder.xml"));
         },
         "it is a folder"},
        {"Pipe",
         [](const QTemporaryDir& d) {
             const QString path = d.filePath(QStringLiteral("pipe.xml"));
             mkfifo(QFile::encodeName(path).constData(), 0600);
             return path;
         },
         "it is not a regular file"},
    };
    for (const BadPlace& place : places) {
        SCOPED_TRACE(place.name);
        const QString path = place.make(dir);

        const TGameFileOutcome outcome = LoadGameFile(path, board, host);

        EXPECT_FALSE(outcome.done);
        EXPECT_TRUE(outcome.message.contains(QDir::toNativeSeparators(path)))
            << outcome.message.toStdString();
        EXPECT_TRUE(outcome.message.contains(QString::fromLatin1(place.complaint)))
            << outcome.message.toStdString();
        EXPECT_EQ(Snapshot(board), before);
        EXPECT_TRUE(host.calls.empty());
    }
}

} // namespace
