// The Save and Load buttons of the move list window: the dialogs and
// messages around the game files.

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include "VeltanMoveList.h"
#include "gameFileNames.h"
#include "gameFileWriter.h"
#include "gameLoader.h"
#include "userDialogs.h"
#include "veltanbrd.h"

namespace {

QString GameFileFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace

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
    const QString offered = QDir(GameFileFolder()).filePath(DefaultGameFileName(stamp));
    const QString chosen =
        UserDialogs().GetSaveFileName(this, tr("Save game"), offered, tr("Veltan games (*.xml)"));
    if (chosen.isEmpty())
        return;
    const TGameFileOutcome outcome = SaveGameFile(WithGameFileSuffix(chosen), VeltanBrd, stamp);
    if (!outcome.done)
        ShowProblem(outcome.message);
}

void TFrmVeltanMoveList::BtnLoadClick()
{
    const QString chosen = UserDialogs().GetOpenFileName(this, tr("Load game"), GameFileFolder(),
                                                         tr("Veltan games (Veltan*.xml);;XML files (*.xml)"));
    if (chosen.isEmpty())
        return;
    const TGameFileOutcome outcome = LoadGameFile(chosen, VeltanBrd, Host);
    if (!outcome.done) {
        ShowProblem(outcome.message);
        return;
    }
    FillList();
}

void TFrmVeltanMoveList::ShowProblem(const QString& text)
{
    UserDialogs().ShowMessage(this, QGuiApplication::applicationDisplayName(), text, QMessageBox::Warning);
}
