#include "appTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include "gameEndedNotice.h"

void TAnsweringDialogs::ShowMessage(QWidget*, const QString& caption, const QString& text,
                                    QMessageBox::Icon icon)
{
    messages.push_back({caption, text, icon});
    if (whileOpen)
        whileOpen(messages.back());
}

bool TAnsweringDialogs::AskYesNo(QWidget*, const QString&, const QString& text)
{
    questions.push_back(text);
    return yes;
}

TChoiceAnswer TAnsweringDialogs::AskChoice(QWidget*, const QString&, const QString& text, const QString&,
                                           const QString&)
{
    questions.push_back(text);
    return choice;
}

std::vector<QString> TAnsweringDialogs::Texts() const
{
    std::vector<QString> texts;
    for (const TMessage& message : messages)
        texts.push_back(message.text);
    return texts;
}

bool MakeFirstLegalMove(TVeltanBrdKernel& board)
{
    for (int from = 1; from <= SquareCount; ++from)
        for (int to = 1; to <= SquareCount; ++to)
            if (board.MoveIsLegal(static_cast<Square>(from), static_cast<Square>(to)))
                return board.PerformMove(static_cast<Square>(from), static_cast<Square>(to));
    return false;
}

bool PlayFirstLegalMoves(TFrmVeltanBrd& window, int count)
{
    if (window.Board().GameEnded())
        window.StartStop();
    for (int made = 0; made < count; ++made)
        if (!MakeFirstLegalMove(window.Board()))
            return false;
    return true;
}

void TMainWindowTest::SetUp()
{
    _scopedDialogs = std::make_unique<TScopedUserDialogs>(dialogs);
    Reopen();
}

void TMainWindowTest::Reopen(const QString& startFile)
{
    if (window)
        window->close();
    window.reset();
    window = std::make_unique<TFrmVeltanBrd>();
    window->SetStartFile(startFile);
    window->SetModalRunner([this](QDialog& dialog) { return RunDialog(dialog); });
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The board's queued repaints and the offer of a kept game; the clock is not running yet.
    QCoreApplication::processEvents();
}

void TMainWindowTest::TearDown()
{
    window.reset();
    _scopedDialogs.reset();
}

QLabel& TMainWindowTest::Label(const char* name)
{
    auto* const label = window->findChild<QLabel*>(QString::fromLatin1(name));
    if (label == nullptr)
        throw std::runtime_error(std::string("no label ") + name);
    return *label;
}

void TMainWindowTest::PressCtrl(Qt::Key key)
{
    QTest::keyClick(window.get(), key, Qt::ControlModifier);
}

void TMainWindowTest::PressKey(Qt::Key key)
{
    QTest::keyClick(window.get(), key);
}

void TMainWindowTest::DeliverNotices()
{
    QCoreApplication::sendPostedEvents(window.get(), GameEndedMessage());
}

void TMainWindowTest::SetUpPosition(const std::vector<TPlaced>& pieces, int movesPerTeamTurn,
                                    int playersPerTeam)
{
    std::string position(SquareCount, ' ');
    std::string players(SquareCount, '0');
    for (const TPlaced& p : pieces) {
        position[static_cast<std::size_t>(p.square - 1)] = p.piece;
        players[static_cast<std::size_t>(p.square - 1)] = p.owner;
    }
    TVeltanBrd& board = Board();
    board.SetStartPosition(position);
    board.SetStartPlayers(players);
    board.NewGame();
    board.SetPlayersPerTeam(playersPerTeam);
    board.SetMovesPerTeamTurn(movesPerTeamTurn);
}

void TMainWindowTest::Drag(Square from, Square to)
{
    TVeltanBrd& board = Board();
    const int half = board.SizeOfSquare() / 2;
    const QPoint start = SquareOrigin(from) + QPoint(half, half);
    const QPoint end = SquareOrigin(to) + QPoint(half, half);
    const int beyond = QApplication::startDragDistance() + 1;
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&board, start + QPoint(beyond, beyond));
    QTest::mouseMove(&board, end);
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, end);
}

TColor TMainWindowTest::CanvasColor(QPoint at)
{
    const QImage& canvas = Board().Canvas();
    if (!canvas.valid(at))
        return 0xFFFFFFFFu;
    const QColor colour = canvas.pixelColor(at);
    return PlatformRgb(colour.red(), colour.green(), colour.blue());
}

QPoint TMainWindowTest::SquareOrigin(Square sq)
{
    return Board().SquareToCoords(sq).value_or(QPoint(-1000, -1000));
}

QAction& TMainWindowTest::Action(const QString& text)
{
    for (QAction* const action : Window().findChildren<QAction*>()) {
        if (action->text() == text)
            return *action;
    }
    throw std::runtime_error("no menu command " + text.toStdString());
}
