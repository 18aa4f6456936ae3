#pragma once
// What the options dialog's tests share: a board in the state the program
// starts with, the dialog opened on it without a modal loop, and the user's
// gestures on its boxes as key and mouse events.

#include <QComboBox>
#include <QImage>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "VeltanOptions.h"
#include "userDialogs.h"
#include "veltanbrd.h"

/// Records every message instead of showing it; file dialogs answer "cancelled".
class TRecordingDialogs : public TUserDialogs {
public:
    std::vector<QString> messages;

    void ShowMessage(QWidget*, const QString&, const QString& text, QMessageBox::Icon) override
    {
        messages.push_back(text);
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

/// A piece-set sheet of the program's resources, e.g. "ImageFr80".
QImage ResourceImage(const QString& name);

/// A main window stand-in at (300, 200) holding the board, which is in the
/// state the program starts with: InitOptions and NewGame run, the "Common"
/// set (ImageFr80) given, play stopped. Messages are recorded.
class OptionsTest : public ::testing::Test {
protected:
    OptionsTest();

    /// A new dialog on the board, shown (not modally), as "Game Options" makes it.
    std::unique_ptr<TFrmVeltanOptions> OpenDialog();
    /// Starts play as "Start/Stop" does and makes one White move, so a game is running.
    void StartGameWithOneMove();

    TRecordingDialogs dialogs;
    TScopedUserDialogs scopedDialogs{dialogs};
    QWidget owner;
    TVeltanBrd* board; ///< owned by `owner`
};

/// A box of the dialog by its name; fails the test when it is missing.
QComboBox& Box(QWidget& dialog, const char* name);
/// Chooses an entry of a drop-down list with the keyboard, as a user would.
void ChooseItem(QComboBox& box, const QString& text);
/// Replaces the text of an editable box by typing.
void TypeText(QComboBox& box, const QString& text);
/// Clicks "Ok".
void PressOk(QWidget& dialog);

/// Every move the rules allow the side and player to move now, in square order.
std::vector<std::pair<Square, Square>> LegalMoves(const TVeltanBrdKernel& board);
