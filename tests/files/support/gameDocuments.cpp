#include "gameDocuments.h"

#include <QFile>
#include <QRegularExpression>

#include "gameFileWriter.h"

QByteArray SavedDocument(const TVeltanBrdKernel& board)
{
    return GameFileDocument(board, TestGameName, TestGameStamp);
}

QByteArray ReplaceFirst(const QByteArray& document, const QString& pattern, const QString& replacement)
{
    const QString text = QString::fromUtf8(document);
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    if (!match.hasMatch())
        return document;
    QString edited = text;
    QString filled = replacement;
    filled.replace(QStringLiteral("\\1"), match.captured(1));
    edited.replace(match.capturedStart(), match.capturedLength(), filled);
    return edited.toUtf8();
}

QByteArray WithoutStart(const QByteArray& document)
{
    return ReplaceFirst(document, QStringLiteral(" StartPosition=\"[^\"]*\".*IncrementBlack=\"[^\"]*\""),
                        QString());
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
