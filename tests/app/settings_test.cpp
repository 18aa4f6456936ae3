// Lasting settings: what one run changes the next run starts with, and a bad
// settings file gives defaults, never a crash, and is written sound again.

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "appTestSupport.h"
#include "computerLevels.h"
#include "sameBitmap.h"
#include "settingsKeys.h"
#include "windowPlace.h"

namespace keys = settingkeys;

namespace {

class LastingSettings : public TMainWindowTest {
protected:
    void Trigger(const char* action)
    {
        auto* const found = Window().findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }
};

} // namespace

TEST_F(LastingSettings, AFirstStartHasTheDefaults)
{
    EXPECT_TRUE(Board().DisplayCoords().Empty());
    EXPECT_FALSE(Board().WhiteOnTop());
    EXPECT_TRUE(Board().ShowLastMove());
    EXPECT_FALSE(Board().ComputerPlaysWhite());
    EXPECT_EQ(CurrentComputerLevel(Board()).key, QStringLiteral("strength3"));
    EXPECT_EQ(Board().MovesPerTeamTurn(), 4);
    EXPECT_EQ(Board().StartPositionType(), SPClassic);
}

TEST_F(LastingSettings, WhatTheMenusChangeTheNextStartKeeps)
{
    Trigger("MnuItemShowCoordinates");
    Trigger("MnuItemWhiteOnTop");
    Trigger("MnuItemShowLastMove");
    Trigger("MnuItemComputerBlack");
    Window().SetGameFileFolder(QStringLiteral("/games/kept"));
    // A strength step and a level of the Advanced submenu, as kept before the steps came.
    for (const auto& [caption, key] : {std::pair{"Beginner", "strength1"}, std::pair{"Depth 3", "depth3"}}) {
        for (QAction* const level : Window().findChildren<QAction*>())
            if (level->isCheckable() && level->text() == QString::fromLatin1(caption))
                level->trigger();
        Reopen();
        EXPECT_EQ(CurrentComputerLevel(Board()).key, QString::fromLatin1(key)) << caption;
    }
    EXPECT_FALSE(Board().DisplayCoords().Empty());
    EXPECT_TRUE(Board().WhiteOnTop());
    EXPECT_FALSE(Board().ShowLastMove());
    EXPECT_TRUE(Board().ComputerPlaysBlack());
    EXPECT_FALSE(Board().ComputerPlaysWhite());
    EXPECT_EQ(Window().GameFileFolder(), QStringLiteral("/games/kept"));
}

TEST_F(LastingSettings, TheRememberedGameChoicesSetUpTheFirstGame)
{
    {
        TSettingsStore store;
        store.Write(keys::StartPosition, 1);
        store.Write(keys::RowShift, 2);
        store.Write(keys::MovesPerTeamTurn, 2);
        store.Write(keys::PlayersPerTeam, 2);
        store.Write(keys::TimeWhiteMinutes, 15);
        store.Write(keys::IncrementBlackSeconds, 0);
        store.Write(keys::PieceSet, QStringLiteral("Cm72"));
    }
    Reopen();
    EXPECT_EQ(Board().StartPositionType(), 1);
    EXPECT_EQ(Board().StartPositionRowShift(), 2);
    EXPECT_EQ(Board().MovesPerTeamTurn(), 2);
    EXPECT_EQ(Board().PlayersPerTeam(), 2);
    EXPECT_NEAR(Board().TimeStartWhite() * 24 * 60, 15.0, 1e-9);
    EXPECT_NEAR(Board().TimeLeftWhite() * 24 * 60, 15.0, 1e-9);
    EXPECT_EQ(Board().TimeIncrementBlack(), 0.0);
    EXPECT_TRUE(SameBitmap(Board().CustomPieceSet(), Window().PieceSets().Image(TPieceSetName::ImageCm72)));
}

TEST_F(LastingSettings, WindowPlaceIsWrittenOnceTheMoveHasEnded)
{
    QTest::qWait(TWindowPlace::RestMs + 200);
    const QByteArray before = TSettingsStore().Read(keys::WindowGeometry);
    Window().move(Window().pos() + QPoint(7, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(TSettingsStore().Read(keys::WindowGeometry), before);
    QTest::qWait(TWindowPlace::RestMs + 200);
    EXPECT_NE(TSettingsStore().Read(keys::WindowGeometry), before);
}

// ---- The engine program remembered ---------------------------------------------

namespace {

struct TRememberedEngineCase {
    const char* name;
    const char* remembered;
    bool plays;          ///< the program plays at the next start; else the built-in engine, for that run only
    const char* program; ///< the menu's program entry at that start
};

void PrintTo(const TRememberedEngineCase& c, std::ostream* os)
{
    *os << c.name;
}

class RememberedEngine : public TMainWindowTest, public testing::WithParamInterface<TRememberedEngineCase> {
protected:
    static QSettings File() { return QSettings(TSettingsStore().FileName(), QSettings::IniFormat); }
    static QString Stored() { return File().value(QLatin1String(keys::Engine.key)).toString(); }
};

} // namespace

TEST_P(RememberedEngine, PlaysAtTheNextStartWhileItCanRunAndStaysChosenWhileItCannot)
{
    const TRememberedEngineCase& row = GetParam();
    const QString remembered = QString::fromLatin1(row.remembered);
    File().setValue(QLatin1String(keys::Engine.key), remembered);

    Reopen();
    EXPECT_EQ(Board().HostPlaysComputer(), row.plays);
    EXPECT_EQ(Stored(), remembered);
    QAction& program = Action(QString::fromUtf8(row.program));
    EXPECT_EQ(program.isChecked(), row.plays);
    if (row.plays) {
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    } else {
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages.front().text.contains(QStringLiteral("could not be started")));
    }

    Action(QStringLiteral("Built-in")).trigger();
    EXPECT_EQ(Stored(), QString::fromLatin1(keys::BuiltInEngine));
    EXPECT_EQ(program.text(), QString::fromUtf8("Program…"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RememberedEngine,
    testing::Values(TRememberedEngineCase{"Program", FAKE_ENGINE_PATH, true, "Program…"},
                    TRememberedEngineCase{"MissingProgram", "/nonexistent/veltan-engine", false,
                                          "Program… (veltan-engine unavailable)"},
                    TRememberedEngineCase{"Folder", "/", false, "Program… (/ unavailable)"}),
    [](const testing::TestParamInfo<TRememberedEngineCase>& info) { return info.param.name; });

// ---- A bad settings file ------------------------------------------------------

namespace {

struct BadSettingsCase {
    const char* name;
    QByteArray content;
    const char* key;
    QString expected; ///< as the setting reads, and as the file holds it afterwards
};

void PrintTo(const BadSettingsCase& c, std::ostream* os)
{
    *os << c.name;
}

class BadSettings : public testing::TestWithParam<BadSettingsCase> {};

QString ReadAsText(TSettingsStore& store, const QString& key)
{
    for (const TIntSetting& s :
         {keys::StartPosition, keys::RowShift, keys::TimeWhiteMinutes, keys::PlayersPerTeam})
        if (key == QLatin1String(s.key))
            return QString::number(store.Read(s));
    for (const TBoolSetting& s : {keys::Coordinates, keys::ShowLastMove})
        if (key == QLatin1String(s.key))
            return store.Read(s) ? QStringLiteral("true") : QStringLiteral("false");
    for (const TTextSetting& s : {keys::PieceSet, keys::ComputerLevel, keys::GameFileFolder})
        if (key == QLatin1String(s.key))
            return store.Read(s);
    return QStringLiteral("unknown key");
}

} // namespace

TEST_P(BadSettings, GiveTheDefaultAndAreWrittenSound)
{
    const BadSettingsCase c = GetParam();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltan.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.content);
    file.close();

    TSettingsStore store(path);
    EXPECT_EQ(ReadAsText(store, QString::fromLatin1(c.key)), c.expected);

    const QSettings written(path, QSettings::IniFormat);
    EXPECT_EQ(written.status(), QSettings::NoError);
    EXPECT_EQ(written.value(QStringLiteral("Version")).toInt(), TSettingsStore::Version);
    EXPECT_EQ(written.value(QString::fromLatin1(c.key)).toString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSettings,
    testing::Values(
        BadSettingsCase{"Unreadable", QByteArray("\x00\xff\xfe[[[\x01garbage=\n=\n", 18), "Board/Coordinates",
                        QStringLiteral("false")},
        BadSettingsCase{"AnotherVersion", "[General]\nVersion=7\n[Board]\nCoordinates=true\n",
                        "Board/Coordinates", QStringLiteral("false")},
        BadSettingsCase{"NoVersion", "[Game]\nRowShift=2\n", "Game/RowShift", QStringLiteral("0")},
        BadSettingsCase{"NumberOutOfRange", "[General]\nVersion=1\n[Game]\nRowShift=9\n", "Game/RowShift",
                        QStringLiteral("0")},
        BadSettingsCase{"NegativeTime", "[General]\nVersion=1\n[Game]\nTimeWhiteMinutes=-5\n",
                        "Game/TimeWhiteMinutes", QStringLiteral("60")},
        BadSettingsCase{"NotANumber", "[General]\nVersion=1\n[Game]\nPlayersPerTeam=two\n",
                        "Game/PlayersPerTeam", QStringLiteral("1")},
        BadSettingsCase{"NeitherTrueNorFalse", "[General]\nVersion=1\n[Board]\nShowLastMove=maybe\n",
                        "Board/ShowLastMove", QStringLiteral("true")},
        BadSettingsCase{"UnknownLevel", "[General]\nVersion=1\n[Computer]\nLevel=depth99\n", "Computer/Level",
                        QStringLiteral("strength3")},
        BadSettingsCase{"UnknownStep", "[General]\nVersion=1\n[Computer]\nLevel=strength9\n",
                        "Computer/Level", QStringLiteral("strength3")},
        BadSettingsCase{"UnknownPieceSet", "[General]\nVersion=1\n[Board]\nPieceSet=Gothic\n",
                        "Board/PieceSet", QStringLiteral("Fr80")},
        BadSettingsCase{"RelativeFolder", "[General]\nVersion=1\n[Files]\nGameFileFolder=games\n",
                        "Files/GameFileFolder", QString()},
        BadSettingsCase{"GoodValueStays", "[General]\nVersion=1\n[Game]\nRowShift=1\n", "Game/RowShift",
                        QStringLiteral("1")}),
    [](const testing::TestParamInfo<BadSettingsCase>& info) { return std::string(info.param.name); });
