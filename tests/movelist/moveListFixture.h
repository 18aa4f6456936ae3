#pragma once
// A board with a game, the host double, the dialogs double and the window
// under test, as each test of the move list window needs them.

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "VeltanMoveList.h"
#include "gamePlay.h"
#include "gameTestHost.h"
#include "recordingDialogs.h"
#include "veltanbrd.h"

class MoveListWindow : public testing::Test {
protected:
    MoveListWindow() { board.SetAnimateMoves(false); }

    /// A running game with `moves` moves made, one move per team turn.
    void PlayGame(int moves, TTurnSettings settings = {1, 1})
    {
        StartGame(board, settings);
        ASSERT_EQ(PlayMoves(board, moves, 42), moves);
    }
    /// Opens the window on the board, as the main window does.
    void OpenWindow()
    {
        window = std::make_unique<TFrmVeltanMoveList>(&owner, board, host);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QListWidget& List() const { return *window->findChild<QListWidget*>(QStringLiteral("LbxMoves")); }
    QPushButton& Button(const char* name) const
    {
        return *window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void Click(const char* button) const { QTest::mouseClick(&Button(button), Qt::LeftButton); }
    void ClickLine(int row) const
    {
        QListWidget& list = List();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < List().count(); ++i)
            lines.push_back(List().item(i)->text().toStdString());
        return lines;
    }
    /// The line the list shows for a record, e.g. "W:H02-H04".
    std::string LineOf(int moveno) const
    {
        const MoveInfo& r = board.MoveList[static_cast<std::size_t>(moveno)];
        return std::string(r.WhiteTeamIsPlaying ? "W:" : "B:") +
               TVeltanBrdKernel::SquareToString(r.OldSquare) + "-" +
               TVeltanBrdKernel::SquareToString(r.NewSquare);
    }

    TRecordingDialogs dialogs;
    TScopedUserDialogs scopedDialogs{dialogs};
    QWidget owner;
    TVeltanBrd board;
    TTestGameHost host{board};
    std::unique_ptr<TFrmVeltanMoveList> window;
};
