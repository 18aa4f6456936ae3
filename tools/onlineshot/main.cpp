// Writes the README's pictures of network play into a folder:
//   QT_QPA_PLATFORM=offscreen online-shot docs/images
// online-host.png  the "Host a game" dialog and the invitation it leads to
// online-join.png  the "Join a game" dialog and the seats of the game joined
// online-game.png  one window of a game of four players, two a team
// Four windows play on a veltan-server this program starts as a host does
// (the one built with it). Settings and kept games go to Qt's
// test folders, so the player's own are neither read nor touched.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <random>

#include "VeltanGUI.h"
#include "gameEndedNotice.h"
#include "networkMenu.h"
#include "onlineDialogs.h"
#include "onlineTable.h"
#include "refereeGame.h"
#include "veltanbrd.h"

namespace {

constexpr int WaitMs = 10'000;
constexpr int DialogShownMs = 300;
constexpr int PictureGap = 24;
constexpr int MovesPlayed = 14;

bool WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > WaitMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

/// Runs `ask`, which opens a modal dialog, and pictures that dialog once shown; the dialog is then cancelled.
QImage PictureOfDialog(const std::function<void()>& ask)
{
    QImage picture;
    QTimer::singleShot(DialogShownMs, [&picture] {
        if (auto* const dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            picture = dialog->grab().toImage();
            dialog->reject();
        }
    });
    ask();
    return picture;
}

QImage SideBySide(const QImage& left, const QImage& right)
{
    QImage both(left.width() + PictureGap + right.width(), std::max(left.height(), right.height()),
                QImage::Format_ARGB32);
    both.fill(Qt::transparent);
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width() + PictureGap, 0, right);
    return both;
}

/// A player's answers, given at once; the first time each real dialog is
/// asked for, it is shown with the same contents and pictured.
class TPicturedDialogs : public online::TOnlineDialogs {
public:
    online::THostChoice host;
    online::TJoinChoice join;
    QList<net::TSeat> seats;
    bool picture = false;
    QImage hostPicture, joinPicture, seatsPicture;

    std::optional<online::THostChoice> AskHost(QWidget* parent, const online::THostChoice&) override
    {
        if (picture)
            hostPicture = PictureOfDialog([&] { real_.AskHost(parent, host); });
        return host;
    }
    std::optional<online::TJoinChoice> AskJoin(QWidget* parent, const QString& link, const QString&,
                                               const QStringList& servers) override
    {
        if (picture)
            joinPicture = PictureOfDialog([&] { real_.AskJoin(parent, link, join.name, servers); });
        return join;
    }
    online::TSeatsChoice AskSeats(QWidget* parent, const net::TFollowedGame& game) override
    {
        if (picture)
            seatsPicture = PictureOfDialog([&] { real_.AskSeats(parent, game); });
        return seats;
    }
    void ShowInvitation(QWidget* parent, const online::TInvitationTexts& texts) override
    {
        real_.ShowInvitation(parent, texts);
    }

private:
    online::TQtOnlineDialogs real_;
};

struct TPlayer {
    TPicturedDialogs dialogs;
    std::unique_ptr<TFrmVeltanBrd> window;
    std::unique_ptr<online::TNetworkMenu> menu; // goes before the window

    TPlayer(const QString& kept, const QString& server)
        : window(std::make_unique<TFrmVeltanBrd>()),
          menu(std::make_unique<online::TNetworkMenu>(*window, dialogs, kept))
    {
        menu->SetLocalServer(server, QStringLiteral("127.0.0.1"));
        window->show();
        QApplication::processEvents();
    }
    ~TPlayer() { menu.reset(); }
    TPlayer(const TPlayer&) = delete;
    TPlayer& operator=(const TPlayer&) = delete;
};

quint16 FreePort()
{
    std::random_device device;
    return static_cast<quint16>(20000 + device() % 20000);
}

/// Drags a legal move on a board that takes one; false when none does.
bool PlayOneMove(std::vector<std::unique_ptr<TPlayer>>& players, std::mt19937& random)
{
    for (const auto& player : players) {
        TVeltanBrd& board = player->window->Board();

        if (!board.isEnabled())
            continue;
        const std::vector<std::pair<Square, Square>> moves = AllowedMoves(board);
        if (moves.empty())
            return false;
        const auto [from, to] =
            moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)];
        const int half = board.SizeOfSquare() / 2;
        const QPoint start = board.SquareToCoords(from).value_or(QPoint()) + QPoint(half, half);
        const QPoint end = board.SquareToCoords(to).value_or(QPoint()) + QPoint(half, half);
        QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(&board, start + QPoint(QApplication::startDragDistance() + 1, 0));
        QTest::mouseMove(&board, end);
        QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, end);
        return true;
    }
    return false;
}

int Fail(const QString& problem)
{
    QTextStream(stderr) << problem << "\n";
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char* argv[])
{
    // Offscreen, a desktop screen that holds the window at its designed size and the panel beside it.
    QTemporaryFile screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screens.open()) {
        screens.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1600, "height": 1000,
                                         "logicalDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    if (argc != 2)
        return Fail(QStringLiteral("usage: online-shot OUTPUT-FOLDER"));
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QCoreApplication::setOrganizationName(QStringLiteral("Veltan"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltan"));
    QStandardPaths::setTestModeEnabled(true);
    GameEndedMessage();
    // The server built with this program, wherever the build tree puts it.
    const QString server = QStringLiteral(VELTAN_SERVER_PATH);
    if (!QFileInfo(server).isExecutable())
        return Fail(QStringLiteral("no veltan-server at %1").arg(server));
    QTemporaryDir kept;
    QFile::remove(online::TLocalServer::DatabasePath());

    const QString names[] = {QStringLiteral("Ann"), QStringLiteral("Ben"), QStringLiteral("Cy"),
                             QStringLiteral("Di")};
    const net::TSeat seats[] = {{true, 1}, {false, 1}, {true, 2}, {false, 2}};
    std::vector<std::unique_ptr<TPlayer>> players;
    for (int i = 0; i < 4; ++i)
        players.push_back(std::make_unique<TPlayer>(kept.filePath(QStringLiteral("%1.json").arg(i)), server));

    TPlayer& host = *players[0];
    host.dialogs.host.name = names[0];
    host.dialogs.host.port = FreePort();
    host.dialogs.host.settings.playersPerTeam = 2;
    host.dialogs.host.settings.movesPerTeamTurn = 2;
    host.dialogs.host.settings.minutesWhite = host.dialogs.host.settings.minutesBlack = 30;
    host.dialogs.host.seats = {seats[0]};
    host.dialogs.picture = true;
    host.menu->Host();
    QWidget* invitation = nullptr;
    if (!WaitFor([&] {
            invitation = host.window->findChild<QWidget*>(QStringLiteral("OnlineInvitation"));
            return invitation != nullptr && !host.menu->InvitationLink().isEmpty();
        }))
        return Fail(QStringLiteral("the game was not hosted"));
    QApplication::processEvents();
    SideBySide(host.dialogs.hostPicture, invitation->grab().toImage())
        .save(output.filePath(QStringLiteral("online-host.png")));
    invitation->close();
    const QString link = host.menu->InvitationLink();

    for (int i = 1; i < 4; ++i) {
        TPlayer& guest = *players[static_cast<std::size_t>(i)];
        const net::TInvitationReading reading = net::ReadInvitationLink(link);
        guest.dialogs.join = {*reading.invitation, names[i]};
        guest.dialogs.seats = {seats[i]};
        // The third player finds two seats taken and two free.
        guest.dialogs.picture = i == 2;
        guest.menu->Join(link);
        if (!WaitFor([&] {
                return guest.menu->Table() && guest.menu->Table()->Session().HeldSeats().size() == 1;
            }))
            return Fail(QStringLiteral("%1 did not sit down").arg(names[i]));
    }
    SideBySide(players[2]->dialogs.joinPicture, players[2]->dialogs.seatsPicture)
        .save(output.filePath(QStringLiteral("online-join.png")));

    for (const auto& player : players)
        player->window->findChild<QAction*>(QStringLiteral("StartStop1"))->trigger();
    std::mt19937 random(11);
    for (int move = 0; move < MovesPlayed; ++move) {
        if (!WaitFor([&] { return PlayOneMove(players, random); }))
            return Fail(QStringLiteral("no board took move %1").arg(move + 1));
        // Each move is answered by the server before the next is looked for, as players see it.
        if (!WaitFor(
                [&] { return host.menu->Table()->Session().Game().Moves().size() == std::size_t(move + 1); }))
            return Fail(QStringLiteral("move %1 did not arrive").arg(move + 1));
    }
    // A few lines of chat: two to all, one within White's team.
    const struct {
        std::size_t player;
        const char* text;
        bool toTeam;
    } lines[] = {{0, "Good luck, everyone!", false},
                 {1, "You too. Nice opening.", false},
                 {2, "Ann, I'll keep the queen's side closed.", true}};
    for (const auto& line : lines) {
        auto* const panel = players[line.player]->menu->Chat();
        panel->findChild<QCheckBox*>(QStringLiteral("OnlineChatToTeam"))->setChecked(line.toTeam);
        auto* const entry = panel->findChild<QLineEdit*>(QStringLiteral("OnlineChatEntry"));
        entry->setText(QString::fromUtf8(line.text));
        QTest::keyClick(entry, Qt::Key_Return);
    }
    if (!WaitFor([&] { return players[2]->menu->Chat()->Lines().size() == 3; }))
        return Fail(QStringLiteral("the chat did not arrive"));
    QApplication::processEvents();
    TPlayer& shown = *players[2];
    if (!WaitFor([&] { return shown.window->Board().LastMove == MovesPlayed; }))
        return Fail(QStringLiteral("the pictured window shows move %1 of %2: %3")
                        .arg(shown.window->Board().LastMove)
                        .arg(MovesPlayed)
                        .arg(shown.menu->Table()->StatusLine()));
    QApplication::processEvents();
    shown.window->grab().save(output.filePath(QStringLiteral("online-game.png")));
    players.clear();
    return EXIT_SUCCESS;
}
