#pragma once
// The name the program shows to its players.

#include <QString>

/// The application title: the caption of the program's message boxes and,
/// since the main window sets no caption of its own, of the main window too.
inline QString ApplicationTitle()
{
    return QStringLiteral("Veltan. The battle is about to unleash");
}
