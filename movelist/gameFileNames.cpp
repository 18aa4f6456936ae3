#include "gameFileNames.h"

#include <QFileInfo>

QString GameFileStamp(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss"));
}

QString DefaultGameFileName(const QString& stamp)
{
    return QStringLiteral("Veltan-") + stamp + QStringLiteral(".xml");
}

QString WithGameFileSuffix(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("xml") : QStringLiteral(".xml"));
}
