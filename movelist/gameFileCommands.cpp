#include "gameFileCommands.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "gameFileNames.h"
#include "gameFileWriter.h"
#include "gameLoader.h"
#include "userDialogs.h"

namespace {

QString Text(const char* text)
{
    return QCoreApplication::translate("TFrmVeltanMoveList", text);
}

void ShowProblem(QWidget* parent, const QString& text)
{
    UserDialogs().ShowMessage(parent, QGuiApplication::applicationDisplayName(), text, QMessageBox::Warning);
}

} // namespace

bool SaveGameAsked(QWidget* parent, const TVeltanBrdKernel& board, TGameHost& host)
{
    if (NothingToSave(board)) {
        UserDialogs().ShowMessage(parent, QGuiApplication::applicationDisplayName(),
                                  Text("There is nothing to save"), QMessageBox::Information);
        return false;
    }
    const QString stamp = GameFileStamp(QDateTime::currentDateTime());
    const QString offered = QDir(host.GameFileFolder()).filePath(DefaultGameFileName(stamp));
    const QString chosen =
        UserDialogs().GetSaveFileName(parent, Text("Save game"), offered, Text("Veltan games (*.xml)"));
    if (chosen.isEmpty())
        return false;
    // The question is about the name that will really be written, suffix included.
    const QString path = WithGameFileSuffix(chosen);
    const QFileInfo target(path);
    host.SetGameFileFolder(target.absolutePath());
    if (target.exists() &&
        !UserDialogs().AskYesNo(parent, QGuiApplication::applicationDisplayName(),
                                Text("\"%1\" already exists.\nDo you want to replace it?")
                                    .arg(QDir::toNativeSeparators(target.absoluteFilePath()))))
        return false;
    const TGameFileOutcome outcome = SaveGameFile(path, board, stamp);
    if (!outcome.done) {
        ShowProblem(parent, outcome.message);
        return false;
    }
    host.GameKeptInFile();
    return true;
}

bool OpenGameAsked(QWidget* parent, TVeltanBrdKernel& board, TGameHost& host)
{
    if (!host.MayReplaceGame())
        return false;
    // Every game file first, as the save dialog offers: a game saved under a
    // name of the player's choosing must not hide behind the offered names.
    const QString chosen =
        UserDialogs().GetOpenFileName(parent, Text("Load game"), host.GameFileFolder(),
                                      Text("Veltan games (*.xml);;Named by Veltan (Veltan*.xml)"));
    if (chosen.isEmpty())
        return false;
    host.SetGameFileFolder(QFileInfo(chosen).absolutePath());
    const TGameFileOutcome outcome = LoadGameFile(chosen, board, host);
    if (!outcome.done) {
        ShowProblem(parent, outcome.message);
        return false;
    }
    host.GameKeptInFile();
    return true;
}
