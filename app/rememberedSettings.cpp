// The main window's lasting settings: read once at start, each written the
// moment it changes, so a crash loses none.

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStandardPaths>

#include "VeltanGUI.h"
#include "computerLevels.h"
#include "externalEngine.h"
#include "pieceSetKeys.h"
#include "settingsKeys.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

namespace keys = settingkeys;

void TFrmVeltanBrd::ApplyRememberedLook()
{
    VeltanBrd1->SetDisplayCoords(_settings->Read(keys::Coordinates) ? CoordSet::All() : CoordSet{});
    VeltanBrd1->SetWhiteOnTop(_settings->Read(keys::WhiteOnTop));
    VeltanBrd1->SetShowLastMove(_settings->Read(keys::ShowLastMove));
}

void TFrmVeltanBrd::ApplyRememberedComputer()
{
    VeltanBrd1->SetComputerPlaysWhite(_settings->Read(keys::ComputerWhite));
    VeltanBrd1->SetComputerPlaysBlack(_settings->Read(keys::ComputerBlack));
    ApplyComputerLevel(*VeltanBrd1, _settings->Read(keys::ComputerLevel));
}

void TFrmVeltanBrd::ApplyRememberedEngine()
{
    const QString engine = _settings->Read(keys::Engine);
    if (engine == QLatin1String(keys::BuiltInEngine))
        return;
    VeltanBrd1->SetHostPlaysComputer(true);
    _externalEngine->Start(engine);
}

TGameSetup TFrmVeltanBrd::RememberedGameSetup()
{
    TGameSetup setup;
    setup.startPositionIndex = _settings->Read(keys::StartPosition);
    setup.rowShift = _settings->Read(keys::RowShift);
    setup.movesPerTeamTurn = _settings->Read(keys::MovesPerTeamTurn);
    setup.playersPerTeam = _settings->Read(keys::PlayersPerTeam);
    setup.timeWhiteMinutes = _settings->Read(keys::TimeWhiteMinutes);
    setup.timeBlackMinutes = _settings->Read(keys::TimeBlackMinutes);
    setup.incrementWhiteSeconds = _settings->Read(keys::IncrementWhiteSeconds);
    setup.incrementBlackSeconds = _settings->Read(keys::IncrementBlackSeconds);
    // Each value may be in range and the whole still no game the dialog offers
    // (more players than moves): then the whole is the default.
    if (!IsOfferedGameSetup(setup)) {
        setup = TGameSetup{};
        _settings->Write(keys::MovesPerTeamTurn, setup.movesPerTeamTurn);
        _settings->Write(keys::PlayersPerTeam, setup.playersPerTeam);
    }
    return setup;
}

void TFrmVeltanBrd::RememberGameSetup()
{
    constexpr double MinutesPerDay = 24.0 * 60.0;
    constexpr double SecondsPerDay = MinutesPerDay * 60.0;
    const TVeltanBrd& board = *VeltanBrd1;
    _settings->Write(keys::StartPosition, board.StartPositionType());
    _settings->Write(keys::RowShift, board.StartPositionRowShift());
    _settings->Write(keys::MovesPerTeamTurn, board.MovesPerTeamTurn());
    _settings->Write(keys::PlayersPerTeam, board.PlayersPerTeam());
    _settings->Write(keys::TimeWhiteMinutes, qRound(board.TimeStartWhite() * MinutesPerDay));
    _settings->Write(keys::TimeBlackMinutes, qRound(board.TimeStartBlack() * MinutesPerDay));
    _settings->Write(keys::IncrementWhiteSeconds, qRound(board.TimeIncrementWhite() * SecondsPerDay));
    _settings->Write(keys::IncrementBlackSeconds, qRound(board.TimeIncrementBlack() * SecondsPerDay));
}

void TFrmVeltanBrd::RememberPieceSet()
{
    _settings->Write(keys::PieceSet, PieceSetKey(_pieceSets, VeltanBrd1->CustomPieceSet()));
}

void TFrmVeltanBrd::RememberBoardLook()
{
    _settings->Write(keys::Coordinates, !VeltanBrd1->DisplayCoords().Empty());
    _settings->Write(keys::WhiteOnTop, VeltanBrd1->WhiteOnTop());
    _settings->Write(keys::ShowLastMove, VeltanBrd1->ShowLastMove());
}

void TFrmVeltanBrd::RememberComputerPlayer()
{
    _settings->Write(keys::ComputerWhite, VeltanBrd1->ComputerPlaysWhite());
    _settings->Write(keys::ComputerBlack, VeltanBrd1->ComputerPlaysBlack());
    _settings->Write(keys::ComputerLevel, CurrentComputerLevel(*VeltanBrd1).key);
}

void TFrmVeltanBrd::RememberEngine()
{
    const bool external = VeltanBrd1->HostPlaysComputer();
    _settings->Write(keys::Engine,
                     external ? _externalEngine->Program() : QString::fromLatin1(keys::BuiltInEngine));
}

void TFrmVeltanBrd::ConnectLastMoveMenu()
{
    _showLastMove = new QAction(tr("Show last move"), this);
    _showLastMove->setObjectName(QStringLiteral("MnuItemShowLastMove"));
    _showLastMove->setCheckable(true);
    _showLastMove->setChecked(VeltanBrd1->ShowLastMove());
    ui->N1->insertAction(ui->MnuItemShowMovelist, _showLastMove);
    connect(_showLastMove, &QAction::toggled, this, &TFrmVeltanBrd::MnuItemShowLastMoveClick);
}

void TFrmVeltanBrd::MnuItemShowLastMoveClick(bool checked)
{
    VeltanBrd1->SetShowLastMove(checked);
    RememberBoardLook();
}

QString TFrmVeltanBrd::GameFileFolder() const
{
    // The program's own folder is a system folder once installed; the
    // documents folder is where people look for what they saved.
    const QString remembered = _settings->Read(keys::GameFileFolder);
    if (!remembered.isEmpty())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void TFrmVeltanBrd::SetGameFileFolder(const QString& folder)
{
    _settings->Write(keys::GameFileFolder, folder);
}
