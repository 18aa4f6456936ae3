#include "appIcon.h"

#include <QString>

// Q_INIT_RESOURCE must name the resource outside any namespace.
static void RegisterAppResources()
{
    // The icon lives in a static library; without this call the linker may
    // drop its registration.
    Q_INIT_RESOURCE(app);
}

QIcon AppIcon()
{
    RegisterAppResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/veltan.png"), QSize(256, 256));
    icon.addFile(QStringLiteral(":/icons/veltan-48.png"), QSize(48, 48));
    return icon;
}
