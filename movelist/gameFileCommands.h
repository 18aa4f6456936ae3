#pragma once
// Saving and opening a game file as the player asks for it, from the move
// list's buttons or the main menu: the file dialogs, the questions and the
// messages around writing and loading.

#include "gameHost.h"
#include "veltanbrdKernel.h"

class QWidget;

/// Offers a file name in the host's game-file folder and writes the board's
/// game there, asking before an existing file is replaced. Too short a game
/// is not written (a message says so), a failure is reported, and a written
/// file tells the host the game is kept in it. True when a file was written.
bool SaveGameAsked(QWidget* parent, const TVeltanBrdKernel& board, TGameHost& host);

/// Lets the host say whether the game in progress may go, then asks for a
/// file and loads it over the game (see LoadGameFile); a file that does not
/// load is reported and changes nothing. True when a game was loaded.
bool OpenGameAsked(QWidget* parent, TVeltanBrdKernel& board, TGameHost& host);
