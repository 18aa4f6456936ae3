#include "imagefile.h"

#include <QImageWriter>
#include <QSaveFile>

namespace pieceset {

bool writePng(const QImage& image, const QString& path, QString* error)
{
    if (image.isNull()) {
        *error = QStringLiteral("nothing was drawn for %1").arg(path);
        return false;
    }
    // A half-written image in resources/ would be committed as a broken piece set.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        *error = QStringLiteral("cannot encode %1: %2").arg(path, writer.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace pieceset
