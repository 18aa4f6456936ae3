#pragma once
// The fields of one JSON message read in order, each checked for presence,
// JSON type and range. The first thing wrong is kept as a sentence naming the
// field; reads after it do nothing and give empty values, so a message's
// reader is a straight list of its fields with one check at the end.

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <optional>

#include "seat.h"
#include "square.h"

namespace net {

class TMessageFields {
public:
    /// Reads fields of `object`; problems start with `context` ("join: ").
    TMessageFields(QJsonObject object, QString context);

    /// True once a field was wrong.
    bool Failed() const { return !problem_.isEmpty(); }
    /// The first problem, context included; empty while nothing was wrong.
    const QString& Problem() const { return problem_; }
    /// Records a problem of the message as a whole, unless one was found already.
    void Fail(const QString& text);

    // A path is a key or keys joined by dots ("minutes.white") for fields of
    // nested objects. Optional fields may be absent or null.

    /// A number with no fraction from `min` to `max` (within +-2^53).
    qint64 WholeNumber(QStringView path, qint64 min, qint64 max);
    std::optional<qint64> OptionalWholeNumber(QStringView path, qint64 min, qint64 max);
    /// One of a few whole numbers ("1, 2 or 4").
    int WholeNumberOf(QStringView path, std::initializer_list<int> allowed);
    /// The index of the field's text in `names`.
    int Choice(QStringView path, const QStringList& names);
    /// Text of 1 to `maxCharacters` characters (Unicode code points) with no
    /// control or line-breaking characters; trimmed first when `trim` is set.
    QString Words(QStringView path, int maxCharacters, bool trim);
    /// Text of 1 to `maxLength` printable ASCII characters (space to tilde).
    QString PrintableAscii(QStringView path, int maxLength);
    /// A nested object, read on by the caller (a game's settings).
    QJsonObject Object(QStringView path);
    /// Any text.
    std::optional<QString> OptionalText(QStringView path);
    /// A game code, lower case accepted, given back in capitals.
    QString GameCode(QStringView path);
    /// "white-1" .. "black-4".
    TSeat Seat(QStringView path);
    std::optional<TSeat> OptionalSeat(QStringView path);
    /// A board square in capitals, "A01" .. "P16".
    Square BoardSquare(QStringView path);
    /// "n", "b", "r" or "q"; NoPromotion when absent.
    char Promotion(QStringView path);

private:
    // The field at `path`; undefined when it or an object on the way is
    // absent (a way through something other than an object is a problem).
    QJsonValue Value(QStringView path);
    std::optional<qint64> Number(QStringView path, qint64 min, qint64 max, bool optional);
    std::optional<QString> Text(QStringView path, bool optional);
    std::optional<TSeat> ReadSeatField(QStringView path, bool optional);
    // Absent or null: nothing to read, and a problem unless the field is optional.
    bool Present(const QJsonValue& value, QStringView path, bool optional);
    void FailField(QStringView path, const QString& rule);

    const QJsonObject object_;
    const QString context_;
    QString problem_;
};

} // namespace net
