#include "VeltanPromote.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>

#include "boardGeometry.h"
#include "screenPlacement.h"
#include "ui_VeltanPromote.h"
#include "veltanbrd.h"

namespace {

constexpr int ClientWidth = 274;
constexpr int ClientHeight = 61;
constexpr std::array<char, 4> PromotionPieces = {'q', 'n', 'r', 'b'};

char ForSide(char piece, bool white)
{
    return white ? static_cast<char>(piece - 'a' + 'A') : piece;
}

} // namespace

TFrmPromote::TFrmPromote(QWidget* AOwner, TVeltanBrd& aVeltanBrd)
    : QDialog(AOwner), ui(std::make_unique<Ui::TFrmPromote>()), VeltanBrd(aVeltanBrd)
{
    ui->setupUi(this);
    // The client area keeps its designed size; a strip wider than it is cut
    // off on both sides rather than growing the dialog.
    setFixedSize(ClientWidth, ClientHeight);
    const int square = VeltanBrd.SizeOfSquare();
    ui->ImgPieces->setGeometry((ClientWidth - 4 * square) / 2, (ClientHeight - square) / 2, 4 * square,
                               square);
    ui->ImgPieces->installEventFilter(this);

    if (AOwner != nullptr) {
        const QRect owner = AOwner->frameGeometry();
        const QSize own = frameGeometry().size();
        move(owner.x() + (owner.width() - own.width()) / 2, owner.y() + (owner.height() - own.height()) / 2);
        MoveInsideScreen(*this, AOwner);
    }
}

TFrmPromote::~TFrmPromote() = default;

char TFrmPromote::PieceOfIndex(int index, bool white)
{
    const bool known = index >= 0 && index < static_cast<int>(PromotionPieces.size());
    return ForSide(known ? PromotionPieces[static_cast<std::size_t>(index)] : 'q', white);
}

void TFrmPromote::reject()
{
    done(_promoteidx);
}

void TFrmPromote::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFrmPromote::FormShow()
{
    const int square = VeltanBrd.SizeOfSquare();
    if (square <= 0) {
        _pieces = QImage();
        ui->ImgPieces->clear();
        return;
    }
    // Drawn for the screen's own pixels, pieces as large as on the board, so
    // they are as sharp as the board's.
    const double ratio = BoardPixelRatio(devicePixelRatioF());
    const double toDialog = ratio / VeltanBrd.PixelRatio();
    const int deviceSquare = static_cast<int>(std::lround(VeltanBrd.Geometry().square * toDialog));
    const int piece = static_cast<int>(std::lround(VeltanBrd.DevicePieceSize() * toDialog));
    _pieces = QImage(4 * deviceSquare, deviceSquare, QImage::Format_ARGB32_Premultiplied);
    _pieces.fill(Qt::transparent);
    {
        QPainter painter(&_pieces);
        const bool white = VeltanBrd.WhiteToMove();
        // Centred in its slot as the board centres it in a square: a set's
        // cells may be larger than the square, with the piece in the middle.
        const int offset = (deviceSquare - piece) / 2;
        for (int i = 0; i < static_cast<int>(PromotionPieces.size()); ++i)
            painter.drawImage(i * deviceSquare + offset, offset,
                              VeltanBrd.PieceImage(PieceOfIndex(i, white), piece));
    }
    _pieces.setDevicePixelRatio(ratio);
    ui->ImgPieces->setPixmap(QPixmap::fromImage(_pieces));
}

bool TFrmPromote::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->ImgPieces && event->type() == QEvent::MouseButtonPress) {
        ImgPiecesMouseDown(static_cast<const QMouseEvent*>(event)->position().toPoint().x());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmPromote::ImgPiecesMouseDown(int x)
{
    const int square = VeltanBrd.SizeOfSquare();
    // The strip is exactly four squares wide, but a press on its very edge
    // must still name one of the four pieces.
    _promoteidx = square > 0 ? std::clamp(x / square, 0, 3) : 0;
    done(_promoteidx);
}
