// The Save and Load buttons of the move list window: the dialogs and
// messages around the game files.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "VeltanMoveList.h"
#include "gameFileNames.h"
#include "gameFileWriter.h"
#include "gameLoader.h"
#include "userDialogs.h"
#include "veltanbrd.h"

void TFrmVeltanMoveList::BtnSaveClick()
{
    SaveGame();
}

void TFrmVeltanMoveList::SaveGame()
{
    if (NothingToSave(VeltanBrd)) {
        UserDialogs().ShowMessage(this, QGuiApplication::applicationDisplayName(),
                                  tr("There is nothing to save"), QMessageBox::Information);
        return;
    }
    const QString stamp = GameFileStamp(QDateTime::currentDateTime());
    const QString offered = QDir(Host.GameFileFolder()).filePath(DefaultGameFileName(stamp));
    const QString chosen =
        UserDialogs().GetSaveFileName(this, tr("Save game"), offered, tr("Veltan games (*.xml)"));
    if (chosen.isEmpty())
        return;
    // The question is about the name that will really be written, suffix included.
    const QString path = WithGameFileSuffix(chosen);
    const QFileInfo target(path);
    Host.SetGameFileFolder(target.absolutePath());
    if (target.exists() &&
        !UserDialogs().AskYesNo(this, QGuiApplication::applicationDisplayName(),
                                tr("\"%1\" already exists.\nDo you want to replace it?")
                                    .arg(QDir::toNativeSeparators(target.absoluteFilePath()))))
        return;
    const TGameFileOutcome outcome = SaveGameFile(path, VeltanBrd, stamp);
    if (!outcome.done) {
        ShowProblem(outcome.message);
        return;
    }
    Host.GameKeptInFile();
}

void TFrmVeltanMoveList::BtnLoadClick()
{
    if (!Host.MayReplaceGame())
        return;
    const QString chosen = UserDialogs().GetOpenFileName(this, tr("Load game"), Host.GameFileFolder(),
                                                         tr("Veltan games (Veltan*.xml);;XML files (*.xml)"));
    if (chosen.isEmpty())
        return;
    Host.SetGameFileFolder(QFileInfo(chosen).absolutePath());
    const TGameFileOutcome outcome = LoadGameFile(chosen, VeltanBrd, Host);
    if (!outcome.done) {
        ShowProblem(outcome.message);
        return;
    }
    Host.GameKeptInFile();
    FillList();
}

void TFrmVeltanMoveList::ShowProblem(const QString& text)
{
    UserDialogs().ShowMessage(this, QGuiApplication::applicationDisplayName(), text, QMessageBox::Warning);
}
