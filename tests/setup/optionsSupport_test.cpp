#include "optionsSupport_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "pieceResources.h"

QImage ResourceImage(const QString& name)
{
    EnsurePieceResources();
    return QImage(PieceSetPath(name));
}

OptionsTest::OptionsTest() : board(new TVeltanBrd(&owner))
{
    owner.move(300, 200);
    owner.resize(board->size());
    board->SetAnimateMoves(false);
    board->SetCustomPieceSet(ResourceImage(QStringLiteral("ImageFr80")));
    board->InitOptions();
    board->NewGame();
}

std::unique_ptr<TFrmVeltanOptions> OptionsTest::OpenDialog()
{
    auto dialog = std::make_unique<TFrmVeltanOptions>(&owner, *board);
    dialog->show();
    return dialog;
}

void OptionsTest::StartGameWithOneMove()
{
    board->SetGameEnded(false);
    const auto moves = LegalMoves(*board);
    ASSERT_FALSE(moves.empty());
    ASSERT_TRUE(board->move(moves.front().first, moves.front().second));
    ASSERT_FALSE(board->GameEnded());
}

QComboBox& Box(QWidget& dialog, const char* name)
{
    auto* const box = dialog.findChild<QComboBox*>(QString::fromLatin1(name));
    if (box != nullptr)
        return *box;
    ADD_FAILURE() << "no box " << name;
    // A stand-in owned by the dialog, so the failing test goes on without a crash.
    return *new QComboBox(&dialog);
}

void ChooseItem(QComboBox& box, const QString& text)
{
    const int target = box.findText(text);
    ASSERT_GE(target, 0) << "no entry " << text.toStdString() << " in " << box.objectName().toStdString();
    // Up and Down step through the entries of closed lists, editable or not.
    for (int step = 0; step < box.count() && box.currentIndex() != target; ++step)
        QTest::keyClick(&box, box.currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(box.currentText(), text);
}

void TypeText(QComboBox& box, const QString& text)
{
    ASSERT_NE(box.lineEdit(), nullptr) << box.objectName().toStdString() << " takes no typing";
    QTest::keyClick(box.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box.lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(box.lineEdit(), text);
    ASSERT_EQ(box.currentText(), text);
}

void PressOk(QWidget& dialog)
{
    auto* const ok = dialog.findChild<QPushButton*>(QStringLiteral("BtnOK"));
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
}

std::vector<std::pair<Square, Square>> LegalMoves(const TVeltanBrdKernel& board)
{
    std::vector<std::pair<Square, Square>> moves;
    for (int from = 1; from <= SquareCount; ++from)
        for (int to = 1; to <= SquareCount; ++to)
            if (board.MoveIsLegal(static_cast<Square>(from), static_cast<Square>(to)))
                moves.emplace_back(static_cast<Square>(from), static_cast<Square>(to));
    return moves;
}
