#include "settingsKeys.h"

#include <QDir>

bool settingkeys::IsAbsolutePath(const QString& value)
{
    return !value.isEmpty() && QDir::isAbsolutePath(value);
}

bool settingkeys::IsEngineChoice(const QString& value)
{
    // A program that is missing now (an unmounted disk, a rebuild) stays
    // chosen: the window plays without it while it is gone, and the choice
    // changes only when the player makes another.
    return value == QLatin1String(BuiltInEngine) || IsAbsolutePath(value);
}
