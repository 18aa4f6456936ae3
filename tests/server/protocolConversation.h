#pragma once
// What the network tests share: a fixture with a server of its own for each
// test, conversations written as tables of steps (send this, expect a frame
// with these fields, remember that field), and the referee's replay of a game
// as the server tells it.

#include <gtest/gtest.h>

#include <QHash>
#include <QJsonObject>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

#include "serverProcess.h"
#include "testClient.h"

class TVeltanBrdKernel;

/// A test with a fresh server on a fresh database; skipped when no server was built.
class TServerTest : public testing::Test {
protected:
    void SetUp() override;
    /// The server's log, for failure messages.
    std::string ServerLog() const;

    QTemporaryDir folder_;
    std::unique_ptr<TServerProcess> server_;
};

/// What a conversation step does.
enum class TStepKind {
    Send,   ///< client sends `text` (JSON with $variables, or any text)
    Expect, ///< client's next frame of type `text` with the fields of `fields` (others of the type
            ///< are passed over); `capture` keeps some of its fields
    Closed, ///< the server closes client's connection
    Drop,   ///< client's connection breaks off, as on a broken network
    Quiet,  ///< no frame of type `text` reaches client before the answer to a ping
    Missed, ///< client's events up to a ping run on from $`text` + 1 without a gap or a repeat, through
            ///< $`fields`
};

/// One step of a conversation between test clients and the server.
struct TStep {
    TStepKind kind = TStepKind::Send;
    int client = 0;
    QString text;
    QString fields = "{}";
    QString capture; ///< "name=field,name2=field2": the frame's fields kept as $name
};

TStep Send(int client, const QString& json);
TStep Expect(int client, const QString& type, const QString& fields = "{}", const QString& capture = {});
TStep Closed(int client);
TStep Drop(int client);
TStep Quiet(int client, const QString& type);
TStep Missed(int client, const QString& afterVariable, const QString& lastVariable);

/// Steps that open a game of one player a team and one move a turn: client 0
/// hosts ($game, $host) and sits at white-1 ($white), client 1 at black-1
/// ($black); both have their snapshot.
std::vector<TStep> SeatedGame();
/// SeatedGame, then both teams ask to start; $seq is the `started` event's number.
std::vector<TStep> StartedGame();
/// The steps of all the parts in order.
std::vector<TStep> Joined(std::initializer_list<std::vector<TStep>> parts);

/// Test clients talking to one server, and the fields they kept.
class TConversation {
public:
    explicit TConversation(const QUrl& server) : server_(server) {}
    /// Runs the steps in order; an empty text when all went as expected, else
    /// which step failed and what arrived instead.
    std::string Run(const std::vector<TStep>& steps);
    /// A kept field's text.
    QString Variable(const QString& name) const { return variables_.value(name); }
    /// A client, connected on first use.
    TTestClient& Client(int index);

private:
    QString Substituted(const QString& text) const;
    QString RunStep(const TStep& step);

    QUrl server_;
    std::vector<std::unique_ptr<TTestClient>> clients_;
    QHash<QString, QString> variables_;
};

/// Empty when `frame` has every field of `expected` with the same value
/// (objects compared field by field, the same way); else the first difference.
QString Difference(const QJsonObject& frame, const QJsonObject& expected);

/// A game replayed move by move through the referee from its snapshot.
struct TReplay {
    std::unique_ptr<TVeltanBrdKernel> board;
    QString problem; ///< empty when every move was legal
};
/// Replays a snapshot's moves from its settings' start.
TReplay ReplaySnapshot(const QJsonObject& snapshot);
/// The bot's digest of a final position (FNV-1a over pieces and owners, 8 hex digits).
QString BoardDigest(const TVeltanBrdKernel& board);
