#pragma once
// Hears, through PostgreSQL's LISTEN/NOTIFY, that another process stored an
// event. A notice is only a wake-up that carries the game and its number: the
// events themselves are read from the database by number, so a notice lost
// while the connection was down costs nothing but a little time.

#include <QObject>
#include <QString>
#include <QThread>

class TStoreListenerWorker;

class TStoreListener : public QObject {
    Q_OBJECT
public:
    /// Listens on a connection of its own to `database` (a PostgreSQL URL), on
    /// a thread of its own, reconnecting whenever the connection is lost.
    explicit TStoreListener(const QString& database, QObject* parent = nullptr);
    ~TStoreListener() override;

signals:
    /// Game `code` has events up to `seq` in the database.
    void stored(const QString& code, qint64 seq);
    /// Listening (again) after a start or a lost connection: notices may have
    /// been missed, so whoever follows the games reads what they missed.
    void listening();
    /// The connection failed (why), and is being tried again.
    void lost(const QString& why);

private:
    QThread _thread;
    TStoreListenerWorker* _worker = nullptr;
};
