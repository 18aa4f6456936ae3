#include "serverMessages.h"

#include <QJsonDocument>

#include "protocolLimits.h"

namespace net {

namespace {

QJsonObject Typed(const char* type, QJsonObject body)
{
    body.insert(QStringLiteral("type"), QLatin1String(type));
    return body;
}

} // namespace

QByteArray FrameText(const QJsonObject& message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QJsonObject WelcomeMessage(const QString& serverName)
{
    return Typed("welcome",
                 {{QStringLiteral("protocol"), ProtocolVersion}, {QStringLiteral("server"), serverName}});
}

QJsonObject ErrorMessage(const QString& code, const QString& text, const QString& game)
{
    QJsonObject body{{QStringLiteral("code"), code}, {QStringLiteral("text"), text}};
    if (!game.isEmpty())
        body.insert(QStringLiteral("game"), game);
    return Typed("error", body);
}

QJsonObject RefusedMessage(const QString& game, const QString& id, const QString& reason)
{
    return Typed(
        "refused",
        {{QStringLiteral("game"), game}, {QStringLiteral("id"), id}, {QStringLiteral("reason"), reason}});
}

QJsonObject CreatedMessage(const QString& game, const QString& hostToken)
{
    return Typed("created", {{QStringLiteral("game"), game}, {QStringLiteral("token"), hostToken}});
}

QJsonObject SeatedMessage(const QString& game, const QString& seat, const QString& token)
{
    return Typed(
        "seated",
        {{QStringLiteral("game"), game}, {QStringLiteral("seat"), seat}, {QStringLiteral("token"), token}});
}

QJsonObject PongMessage(const QString& payload)
{
    return Typed("pong", {{QStringLiteral("payload"), payload}});
}

QJsonObject ClocksJson(qint64 whiteMs, qint64 blackMs)
{
    return {{QStringLiteral("white"), whiteMs}, {QStringLiteral("black"), blackMs}};
}

TServerFrame ReadServerFrame(QByteArrayView frame)
{
    const QJsonDocument document = QJsonDocument::fromJson(frame.toByteArray());
    const QJsonValue type = document.object().value(QStringLiteral("type"));
    if (!document.isObject() || !type.isString())
        return {};
    return {type.toString(), document.object()};
}

} // namespace net
