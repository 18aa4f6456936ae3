#include "settingsKeys.h"

#include <QDir>

bool settingkeys::IsAbsolutePath(const QString& value)
{
    return !value.isEmpty() && QDir::isAbsolutePath(value);
}
