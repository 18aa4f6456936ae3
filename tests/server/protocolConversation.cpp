#include "protocolConversation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include "refereeGame.h"
#include "startPositionCatalogue.h"

void TServerTest::SetUp()
{
    if (!TServerProcess::Built())
        GTEST_SKIP() << "this build has no veltan-server";
    ASSERT_TRUE(folder_.isValid());
    server_ = std::make_unique<TServerProcess>(folder_.path());
    ASSERT_TRUE(server_->Start()) << ServerLog();
}

std::string TServerTest::ServerLog() const
{
    return "\n--- server log ---\n" + (server_ ? server_->Log() : QString()).toStdString();
}

TStep Send(int client, const QString& json)
{
    return {TStepKind::Send, client, json, "{}", {}};
}

TStep Expect(int client, const QString& type, const QString& fields, const QString& capture)
{
    return {TStepKind::Expect, client, type, fields, capture};
}

TStep Closed(int client)
{
    return {TStepKind::Closed, client, {}, "{}", {}};
}

TStep Drop(int client)
{
    return {TStepKind::Drop, client, {}, "{}", {}};
}

TStep Quiet(int client, const QString& type)
{
    return {TStepKind::Quiet, client, type, "{}", {}};
}

TStep Missed(int client, const QString& afterVariable, const QString& lastVariable)
{
    return {TStepKind::Missed, client, afterVariable, lastVariable, {}};
}

std::vector<TStep> SeatedGame()
{
    return {
        Send(0, R"({"type":"hello","protocol":1,"name":"Ann"})"),
        Expect(0, "welcome"),
        Send(1, R"({"type":"hello","protocol":1,"name":"Bob"})"),
        Expect(1, "welcome"),
        Send(0, R"({"type":"create","settings":{"arrangement":"standard","rowShift":0,"playersPerTeam":1,
                    "movesPerTeamTurn":1,"minutes":{"white":10,"black":10},"increment":{"white":0,"black":0}}})"),
        Expect(0, "created", "{}", "game=game,host=token"),
        Send(0, R"({"type":"join","game":"$game","seat":"white-1"})"),
        Expect(0, "seated", R"({"game":"$game","seat":"white-1"})", "white=token"),
        Expect(0, "snapshot", R"({"game":"$game","state":"waiting","host":true})"),
        Send(1, R"({"type":"join","game":"$game","seat":"black-1"})"),
        Expect(1, "seated", R"({"game":"$game","seat":"black-1"})", "black=token"),
        Expect(1, "snapshot", R"({"game":"$game","state":"waiting","host":false})"),
    };
}

std::vector<TStep> StartedGame()
{
    return Joined({SeatedGame(),
                   {
                       Send(0, R"({"type":"start","game":"$game","seat":"white-1"})"),
                       Send(1, R"({"type":"start","game":"$game","seat":"black-1"})"),
                       Expect(0, "event", R"({"kind":"started","toMove":"white-1"})"),
                       Expect(1, "event", R"({"kind":"started","toMove":"white-1"})", "seq=seq"),
                   }});
}

std::vector<TStep> Joined(std::initializer_list<std::vector<TStep>> parts)
{
    std::vector<TStep> steps;
    for (const std::vector<TStep>& part : parts)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

TTestClient& TConversation::Client(int index)
{
    while (static_cast<int>(clients_.size()) <= index)
        clients_.push_back(nullptr);
    std::unique_ptr<TTestClient>& client = clients_[static_cast<std::size_t>(index)];
    if (!client) {
        client = std::make_unique<TTestClient>();
        client->Open(server_);
    }
    return *client;
}

QString TConversation::Substituted(const QString& text) const
{
    static const QRegularExpression name(QStringLiteral("\\$([A-Za-z][A-Za-z0-9]*)"));
    QString result;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = name.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += text.mid(done, match.capturedStart() - done) + variables_.value(match.captured(1));
        done = match.capturedEnd();
    }
    return result + text.mid(done);
}

std::string TConversation::Run(const std::vector<TStep>& steps)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const QString failure = RunStep(steps[i]);
        if (!failure.isEmpty())
            return QStringLiteral("step %1 (client %2, %3): %4")
                .arg(i + 1)
                .arg(steps[i].client)
                .arg(Substituted(steps[i].text).left(120), failure)
                .toStdString();
    }
    return {};
}

namespace {

// A conversation that passes over this many frames has gone wrong anyway.
constexpr int MostFramesPassedOver = 100;

QString Text(const QJsonObject& frame)
{
    return QString::fromUtf8(QJsonDocument(frame).toJson(QJsonDocument::Compact)).left(400);
}

QString ValueText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toInteger());
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

} // namespace

QString TConversation::RunStep(const TStep& step)
{
    TTestClient& client = Client(step.client);
    switch (step.kind) {
    case TStepKind::Send:
        client.SendText(Substituted(step.text));
        return {};
    case TStepKind::Closed:
        return client.AwaitClosed() ? QString() : "the connection stayed open";
    case TStepKind::Drop:
        client.Abort();
        return {};
    case TStepKind::Quiet: {
        const std::optional<QList<QJsonObject>> before = client.Sync();
        if (!before)
            return "no answer to a ping";
        for (const QJsonObject& frame : *before) {
            if (frame.value("type").toString() == step.text)
                return "unexpected " + Text(frame);
        }
        return {};
    }
    case TStepKind::Missed: {
        // The server may read the missed events from its store, so they can
        // come after the answer to a later ping: first every event through
        // the last, then a ping shows that no repeat follows.
        qint64 seq = Substituted("$" + step.text).toLongLong();
        const qint64 last = Substituted("$" + step.fields).toLongLong();
        QList<QJsonObject> events;
        while (seq < last) {
            const std::optional<QJsonObject> event = client.Next("event");
            if (!event)
                return QStringLiteral("the events stopped at %1, before %2").arg(seq).arg(last);
            events.append(*event);
            ++seq;
        }
        const std::optional<QList<QJsonObject>> after = client.Sync();
        if (!after)
            return "no answer to a ping";
        events += *after;
        seq = Substituted("$" + step.text).toLongLong();
        for (const QJsonObject& frame : events) {
            if (frame.value("type").toString() != "event")
                continue;
            if (frame.value("seq").toInteger() != seq + 1)
                return QStringLiteral("after event %1 came %2").arg(seq).arg(Text(frame));
            ++seq;
        }
        return {};
    }
    case TStepKind::Expect:
        break;
    }
    QJsonParseError error;
    const QJsonDocument expected = QJsonDocument::fromJson(Substituted(step.fields).toUtf8(), &error);
    if (!expected.isObject())
        return "the test's fields are no JSON object: " + error.errorString();
    // Frames of the type that differ are passed over: events such as a
    // seat's connection may come between, and the table need not list them.
    QStringList passed;
    std::optional<QJsonObject> frame;
    while (passed.size() < MostFramesPassedOver) {
        frame = client.Next(step.text);
        if (!frame)
            break;
        const QString difference = Difference(*frame, expected.object());
        if (difference.isEmpty())
            break;
        passed << difference + " in " + Text(*frame);
        frame.reset();
    }
    if (!frame) {
        for (const QJsonObject& other : client.Drain())
            passed << Text(other);
        return "no such frame; instead: " + passed.join(" / ");
    }
    for (const QString& pair : step.capture.split(',', Qt::SkipEmptyParts)) {
        const QString name = pair.section('=', 0, 0);
        const QString field = pair.section('=', 1);
        variables_.insert(name, ValueText(frame->value(field)));
    }
    return {};
}

QString Difference(const QJsonObject& frame, const QJsonObject& expected)
{
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QJsonValue actual = frame.value(it.key());
        if (it.value().isObject() && actual.isObject()) {
            if (const QString inner = Difference(actual.toObject(), it.value().toObject()); !inner.isEmpty())
                return it.key() + "." + inner;
        } else if (actual != it.value()) {
            return QStringLiteral("%1 is %2, not %3").arg(it.key(), ValueText(actual), ValueText(it.value()));
        }
    }
    return {};
}

namespace {

constexpr const char* ArrangementNames[] = {"standard", "quadrant", "castling"};

} // namespace

TReplay ReplaySnapshot(const QJsonObject& snapshot)
{
    TReplay replay{std::make_unique<TVeltanBrdKernel>(), {}};
    replay.board->OnDraw = [](TVeltanBrdKernel&) {};
    const QJsonObject settings = snapshot.value("settings").toObject();
    int arrangement = -1;
    for (int i = 0; i < catalogue::EntryCount; ++i) {
        if (settings.value("arrangement").toString() == QLatin1String(ArrangementNames[i]))
            arrangement = i;
    }
    const int shift = settings.value("rowShift").toInt(-1);
    const int players = settings.value("playersPerTeam").toInt();
    const std::string letters = catalogue::CataloguePosition(arrangement, shift);
    const std::string owners = catalogue::CataloguePlayers(arrangement, shift, players);
    const TTurnRules rules{settings.value("movesPerTeamTurn").toInt(), players};
    if (letters.empty() || owners.empty() || !TurnRulesProblem(rules).empty()) {
        replay.problem = "the snapshot's settings name no start: " + Text(settings);
        return replay;
    }
    StartRefereedGame(*replay.board, letters, owners, rules);
    const QJsonArray moves = snapshot.value("moves").toArray();
    for (qsizetype i = 0; i < moves.size(); ++i) {
        const QJsonObject move = moves.at(i).toObject();
        const QString text =
            move.value("from").toString() + move.value("to").toString() + move.value("promotion").toString();
        const std::optional<TProtocolMove> read = ReadMoveText(text.toStdString());
        const std::string refusal = read ? PlayRefereedMove(*replay.board, *read) : "no move";
        if (!refusal.empty()) {
            replay.problem =
                QStringLiteral("move %1 %2: %3").arg(i + 1).arg(text, QString::fromStdString(refusal));
            return replay;
        }
    }
    return replay;
}

QString BoardDigest(const TVeltanBrdKernel& board)
{
    quint32 hash = 2166136261u;
    for (const char c : board.position() + board.players()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return QStringLiteral("%1").arg(hash, 8, 16, QLatin1Char('0'));
}
