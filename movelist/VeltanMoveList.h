#pragma once
// The move list window: the game's moves newest first, stepping back and
// forward through them, jumping to one, and saving and loading game files.

#include <QDialog>
#include <memory>

#include "gameHost.h"
#include "moveListLayout.h"

class TVeltanBrd;
class QResizeEvent;

namespace Ui {
class TFrmVeltanMoveList;
}

/// Modal window bound to the board it lists; the host is the main window,
/// which a load drives (new game, refresh, start of play).
class TFrmVeltanMoveList : public QDialog {
    Q_OBJECT

public:
    /// Built from its stored layout, placed 10 pixels left of and 87 below the
    /// owner's top-left corner, with the list filled from the board.
    TFrmVeltanMoveList(QWidget* AOwner, TVeltanBrd& aVeltanBrd, TGameHost& aHost);
    /// Leaves the board wherever the user stepped or jumped to.
    ~TFrmVeltanMoveList() override;

protected:
    /// Keeps the list and the buttons at their distances from the edges.
    void resizeEvent(QResizeEvent* event) override;

private:
    /// The board's move lines, newest first: line i of n names record n - i.
    void FillList();
    /// Shows record moveno (play stopped first); nothing for the record
    /// shown or one outside the line.
    void ShowRecord(int moveno);
    void ButtonBackClick();
    void ButtonForwardClick();
    void LbxMovesClick(int row);
    void BtnOKClick();
    void BtnSaveClick();
    void BtnLoadClick();

    std::unique_ptr<Ui::TFrmVeltanMoveList> ui;
    TVeltanBrd& VeltanBrd;
    TGameHost& Host;
    TEdgeAnchors anchors;
};
