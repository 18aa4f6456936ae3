#pragma once
// The promotion dialog: the four pieces a pawn may become, in the colour of
// the side to move; a click on one picks it and closes the dialog.

#include <QDialog>
#include <QImage>
#include <memory>

class QMouseEvent;
class QShowEvent;
class TVeltanBrd;
namespace Ui {
class TFrmPromote;
}

/// A small modal dialog offering queen, knight, rook and bishop.
///
/// The pieces are drawn with the board's piece set, each as large as the
/// board draws it (the set's own size at the square size set) and centred,
/// as on the board, in its slot at x = 0, S, 2S, 3S of a strip 4S wide and S
/// high (S the board's square size), centred in a client area that keeps its designed
/// 274 x 61 pixels whatever S is. The strip is drawn for the screen's device
/// pixels, so the pieces are as sharp as the board's.
class TFrmPromote : public QDialog {
    Q_OBJECT

public:
    /// The dialog for aVeltanBrd's side to move, centred on AOwner (when
    /// given). It only reads the board: nothing on it changes.
    TFrmPromote(QWidget* AOwner, TVeltanBrd& aVeltanBrd);
    ~TFrmPromote() override;
    TFrmPromote(const TFrmPromote&) = delete;
    TFrmPromote& operator=(const TFrmPromote&) = delete;

    /// The piece picked: 0 queen, 1 knight, 2 rook, 3 bishop; 0 until one is
    /// picked. It is also the dialog's result, however the dialog was closed.
    int Promoteidx() const { return _promoteidx; }
    /// The promotion letter of an index (q, n, r, b; anything else reads q),
    /// in the case of the side to move.
    static char PieceOfIndex(int index, bool white);
    /// The strip of four pieces as last drawn, in device pixels (null before the dialog is shown).
    const QImage& PiecesImage() const { return _pieces; }

public slots:
    /// Closing without a pick (the close button, Escape) ends with Promoteidx as well.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void ImgPiecesMouseDown(int x);

    std::unique_ptr<Ui::TFrmPromote> ui;
    TVeltanBrd& VeltanBrd;
    int _promoteidx = 0;
    QImage _pieces;
};
