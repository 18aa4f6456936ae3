#include "serverLog.h"

#include <QDateTime>
#include <cstdio>

void TServerLog::Problem(const QString& text) const
{
    Write("problem", text);
}

void TServerLog::Info(const QString& text) const
{
    if (_detail != TLogDetail::Quiet)
        Write("info", text);
}

void TServerLog::Detail(const QString& text) const
{
    if (_detail == TLogDetail::Verbose)
        Write("detail", text);
}

void TServerLog::Write(const char* level, const QString& text) const
{
    // One write a line, so lines of a busy server never interleave.
    const QByteArray line = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8() + ' ' +
                            level + ' ' + text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}
