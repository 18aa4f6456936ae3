#pragma once
// The options dialog: piece set, start position, row shift, moves per team
// turn, players per team, and each team's time and increment.
//
// It is made for one use, shown modally and thrown away. The game settings
// can be changed only when it was opened between games; the piece set at any
// time. Nothing reaches the board before "Ok".

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "pieceSetChoices.h"
#include "rightAnchors.h"
#include "setupGame.h"

class QComboBox;
class TVeltanBrd;

namespace Ui {
class TFrmVeltanOptions;
}

/// The game options dialog, bound to the main window's board.
class TFrmVeltanOptions : public QDialog {
    Q_OBJECT

public:
    /// A dialog owned by AOwner (the main window), its frame placed 10 pixels
    /// left of AOwner's and 87 pixels below its top, writing to aVeltanBrd. Its
    /// game boxes are enabled exactly when aVeltanBrd's game has ended now,
    /// and stay so while the dialog lives. Run it with exec(): the result is
    /// QDialog::Accepted when it was closed with "Ok".
    TFrmVeltanOptions(QWidget* AOwner, TVeltanBrd& aVeltanBrd);
    ~TFrmVeltanOptions() override;
    /// Asked before "Ok" sets up a new game; false keeps the game and the dialog open.
    void SetReplaceCheck(std::function<bool()> mayReplaceGame)
    {
        _mayReplaceGame = std::move(mayReplaceGame);
    }
    /// Asked when "Ok" finds the game boxes as they were shown: true means the
    /// stopped game goes on, and "Ok" keeps it, changing only the piece set.
    /// Unset or false (no game, or a finished one): "Ok" sets up a new game.
    void SetGameGoesOnCheck(std::function<bool()> gameGoesOn) { _gameGoesOn = std::move(gameGoesOn); }
    /// True once "Ok" has set up a new game on the board.
    bool NewGameSetUp() const { return _newGameSetUp; }

protected:
    /// Every time the dialog is shown its boxes take the board's settings.
    void showEvent(QShowEvent* event) override;
    /// The upper boxes and the clock panel keep their distance to the right edge.
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormShow();
    void BtnOKClick();
    void CbxMovesPerTeamTurnChange();
    void CbxPlayersPerTeamChange();

    std::optional<TGameSetup> ReadGameSetup();
    std::optional<int> ReadBoxNumber(QComboBox& box);
    std::optional<int> ReadBoxIndex(QComboBox& box);
    void ReportUnreadableBox(QComboBox& box);
    void ApplyPieceSet();
    /// The boxes of the game's settings, everything but the piece set.
    std::array<QComboBox*, 8> GameBoxes() const;
    std::vector<QString> GameBoxTexts() const;
    bool GameBoxesAsShown() const;

    std::unique_ptr<Ui::TFrmVeltanOptions> ui;
    TVeltanBrd& _board;
    /// The game boxes were enabled at creation: "Ok" may set up a new game.
    const bool _gameSettingsOpen;
    const TPieceSetChoices _pieceSets;
    TRightAnchors _anchors;
    std::function<bool()> _mayReplaceGame;
    std::function<bool()> _gameGoesOn;
    /// What the game boxes showed of the board's game when the dialog was shown.
    std::vector<QString> _shownGameBoxes;
    bool _newGameSetUp = false;
};
