#pragma once
// The program's icon, compiled in from resources/app.qrc.

#include <QIcon>

/// The program's icon at 256 and 48 pixels.
QIcon AppIcon();
