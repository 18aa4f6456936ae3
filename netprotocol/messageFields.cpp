#include "messageFields.h"

#include <QJsonValue>
#include <algorithm>
#include <utility>

#include "gameCode.h"
#include "moveText.h"
#include "protocolLimits.h"
#include "wholeNumber.h"

namespace net {

namespace {

constexpr qsizetype SquareTextLength = 3;

// Characters that break a line or steer a terminal: a name or a chat line is
// shown on one line of someone else's screen. A lone surrogate (from a
// "\ud800" escape) is no character at all.
bool IsDisplayableText(QStringView text)
{
    if (!text.isValidUtf16())
        return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    });
}

// Characters as people count them: a surrogate pair is one.
qsizetype CodePointCount(QStringView text)
{
    return text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

bool IsPrintableAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= u' ' && c.unicode() <= u'~'; });
}

// "a, b or c".
QString OneOf(const QStringList& names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.first(names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + names.last();
}

} // namespace

TMessageFields::TMessageFields(QJsonObject object, QString context)
    : object_(std::move(object)), context_(std::move(context))
{
}

void TMessageFields::Fail(const QString& text)
{
    if (!Failed())
        problem_ = context_ + text;
}

void TMessageFields::FailField(QStringView path, const QString& rule)
{
    Fail(QStringLiteral("`%1` must be %2").arg(path, rule));
}

QJsonValue TMessageFields::Value(QStringView path)
{
    if (Failed())
        return QJsonValue(QJsonValue::Undefined);
    QJsonValue value(object_);
    qsizetype start = 0;
    while (start <= path.size()) {
        const qsizetype dot = path.indexOf(QLatin1Char('.'), start);
        const qsizetype end = dot < 0 ? path.size() : dot;
        if (!value.isObject()) {
            if (!value.isUndefined() && !value.isNull())
                FailField(path.first(start - 1), QStringLiteral("an object"));
            return QJsonValue(QJsonValue::Undefined);
        }
        value = value.toObject().value(path.sliced(start, end - start));
        start = end + 1;
    }
    return value;
}

bool TMessageFields::Present(const QJsonValue& value, QStringView path, bool optional)
{
    if (Failed())
        return false;
    if (!value.isUndefined() && !value.isNull())
        return true;
    if (!optional)
        Fail(QStringLiteral("`%1` is missing").arg(path));
    return false;
}

std::optional<qint64> TMessageFields::Number(QStringView path, qint64 min, qint64 max, bool optional)
{
    const QJsonValue value = Value(path);
    if (!Present(value, path, optional))
        return std::nullopt;
    const std::optional<qint64> number = ReadWholeNumber(value, min, max);
    if (!number)
        FailField(path, QStringLiteral("a whole number from %1 to %2").arg(min).arg(max));
    return number;
}

qint64 TMessageFields::WholeNumber(QStringView path, qint64 min, qint64 max)
{
    return Number(path, min, max, false).value_or(min);
}

std::optional<qint64> TMessageFields::OptionalWholeNumber(QStringView path, qint64 min, qint64 max)
{
    return Number(path, min, max, true);
}

int TMessageFields::WholeNumberOf(QStringView path, std::initializer_list<int> allowed)
{
    const QJsonValue value = Value(path);
    if (!Present(value, path, false))
        return *allowed.begin();
    const std::optional<qint64> number = ReadWholeNumber(value, -MaxExactWholeNumber, MaxExactWholeNumber);
    if (number && std::find(allowed.begin(), allowed.end(), *number) != allowed.end())
        return static_cast<int>(*number);
    QStringList names;
    for (const int a : allowed)
        names << QString::number(a);
    FailField(path, OneOf(names));
    return *allowed.begin();
}

std::optional<QString> TMessageFields::Text(QStringView path, bool optional)
{
    const QJsonValue value = Value(path);
    if (!Present(value, path, optional))
        return std::nullopt;
    if (!value.isString()) {
        FailField(path, QStringLiteral("a text"));
        return std::nullopt;
    }
    return value.toString();
}

int TMessageFields::Choice(QStringView path, const QStringList& names)
{
    const std::optional<QString> text = Text(path, false);
    const qsizetype index = text ? names.indexOf(*text) : 0;
    if (index < 0)
        FailField(path, OneOf(names));
    return static_cast<int>(std::max<qsizetype>(index, 0));
}

QString TMessageFields::Words(QStringView path, int maxCharacters, bool trim)
{
    QString text = Text(path, false).value_or(QString());
    if (trim)
        text = text.trimmed();
    if (!Failed() && (text.isEmpty() || CodePointCount(text) > maxCharacters || !IsDisplayableText(text))) {
        FailField(path, QStringLiteral("1 to %1 characters with no control characters").arg(maxCharacters));
        return {};
    }
    return text;
}

QString TMessageFields::PrintableAscii(QStringView path, int maxLength)
{
    const QString text = Text(path, false).value_or(QString());
    if (!Failed() && (text.isEmpty() || text.size() > maxLength || !IsPrintableAscii(text))) {
        FailField(path, QStringLiteral("1 to %1 printable ASCII characters").arg(maxLength));
        return {};
    }
    return text;
}

QJsonObject TMessageFields::Object(QStringView path)
{
    const QJsonValue value = Value(path);
    if (!Present(value, path, false))
        return {};
    if (!value.isObject())
        FailField(path, QStringLiteral("an object"));
    return value.toObject();
}

std::optional<QString> TMessageFields::OptionalText(QStringView path)
{
    return Text(path, true);
}

QString TMessageFields::GameCode(QStringView path)
{
    const QString text = Text(path, false).value_or(QString());
    if (!Failed() && !IsGameCode(text)) {
        FailField(
            path,
            QStringLiteral("a game code, %1 of the characters %2").arg(GameCodeLength).arg(GameCodeAlphabet));
        return {};
    }
    return NormalGameCode(text);
}

std::optional<TSeat> TMessageFields::ReadSeatField(QStringView path, bool optional)
{
    const std::optional<QString> text = Text(path, optional);
    if (!text)
        return std::nullopt;
    const std::optional<TSeat> seat = ReadSeat(*text);
    if (!seat)
        FailField(path, QStringLiteral("one of white-1 .. black-%1").arg(MaxPlayersPerTeam));
    return seat;
}

TSeat TMessageFields::Seat(QStringView path)
{
    return ReadSeatField(path, false).value_or(TSeat{});
}

std::optional<TSeat> TMessageFields::OptionalSeat(QStringView path)
{
    return ReadSeatField(path, true);
}

Square TMessageFields::BoardSquare(QStringView path)
{
    const QString text = Text(path, false).value_or(QString());
    if (Failed())
        return SqrNone;
    // The move reader takes only the board's own form ("E04", capitals); a
    // square read twice as a move to itself is that form checked once.
    std::optional<TProtocolMove> move;
    if (text.size() == SquareTextLength && IsPrintableAscii(text)) {
        const std::string square = text.toStdString();
        move = ReadMoveText(square + square);
    }
    if (!move) {
        FailField(path, QStringLiteral("a square from A01 to P16"));
        return SqrNone;
    }
    return move->from;
}

char TMessageFields::Promotion(QStringView path)
{
    const std::optional<QString> text = Text(path, true);
    if (!text)
        return NoPromotion;
    const QStringList letters = {QStringLiteral("n"), QStringLiteral("b"), QStringLiteral("r"),
                                 QStringLiteral("q")};
    if (!letters.contains(*text)) {
        FailField(path, OneOf(letters));
        return NoPromotion;
    }
    return text->front().toLatin1();
}

} // namespace net
