#include "settingsKeys.h"

#include <QDir>
#include <QFileInfo>

bool settingkeys::IsAbsolutePath(const QString& value)
{
    return !value.isEmpty() && QDir::isAbsolutePath(value);
}

bool settingkeys::IsEngineChoice(const QString& value)
{
    if (value == QLatin1String(BuiltInEngine))
        return true;
    // A program removed or made unrunnable since it was chosen reads as the
    // built-in engine, without a word at start: there is no game to lose yet.
    const QFileInfo program(value);
    return IsAbsolutePath(value) && program.isFile() && program.isExecutable();
}
