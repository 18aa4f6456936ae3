#include "storeListener.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

#include "storeConnection.h"

namespace {

const QString Channel = QStringLiteral("veltan_events");
// A lost connection is noticed by a query this often, and tried again as often.
constexpr int CheckIntervalMs = 1'000;

} // namespace

/// The part that lives on the listener's thread, with the connection it made there.
class TStoreListenerWorker : public QObject {
    Q_OBJECT
public:
    explicit TStoreListenerWorker(const QString& database) : _database(database), _check(this)
    {
        _check.setInterval(CheckIntervalMs);
        connect(&_check, &QTimer::timeout, this, &TStoreListenerWorker::Check);
    }
    ~TStoreListenerWorker() override { Close(); }

    void Start()
    {
        _check.start();
        Check();
    }

signals:
    void stored(const QString& code, qint64 seq);
    void listening();
    void lost(const QString& why);

private:
    void Check()
    {
        if (_open) {
            QSqlDatabase db = QSqlDatabase::database(_name, false);
            QSqlQuery alive(db);
            if (alive.exec(QStringLiteral("SELECT 1")))
                return;
            emit lost(alive.lastError().text());
            Close();
        }
        QString problem;
        _name = QStringLiteral("veltan-store-listener-%1").arg(++_attempt);
        QSqlDatabase db = AddStoreConnection(_name, _database, problem);
        if (!problem.isEmpty() || !db.open() || !db.driver()->subscribeToNotification(Channel)) {
            emit lost(problem.isEmpty() ? db.lastError().text() : problem);
            Close();
            return;
        }
        connect(db.driver(), &QSqlDriver::notification, this, &TStoreListenerWorker::Notified);
        _open = true;
        emit listening();
    }

    void Notified(const QString& name, QSqlDriver::NotificationSource, const QVariant& payload)
    {
        if (name != Channel)
            return;
        // "CODE SEQ", written by the store in the same transaction as the events.
        const QStringList parts = payload.toString().split(QLatin1Char(' '));
        bool ok = false;
        const qint64 seq = parts.size() == 2 ? parts[1].toLongLong(&ok) : 0;
        if (ok)
            emit stored(parts[0], seq);
    }

    void Close()
    {
        if (_name.isEmpty())
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(_name);
        _name.clear();
        _open = false;
    }

    QString _database;
    QString _name;
    QTimer _check;
    int _attempt = 0;
    bool _open = false;
};

TStoreListener::TStoreListener(const QString& database, QObject* parent) : QObject(parent)
{
    _worker = new TStoreListenerWorker(database);
    _worker->moveToThread(&_thread);
    connect(&_thread, &QThread::finished, _worker, &QObject::deleteLater);
    connect(&_thread, &QThread::started, _worker, &TStoreListenerWorker::Start);
    connect(_worker, &TStoreListenerWorker::stored, this, &TStoreListener::stored);
    connect(_worker, &TStoreListenerWorker::listening, this, &TStoreListener::listening);
    connect(_worker, &TStoreListenerWorker::lost, this, &TStoreListener::lost);
    _thread.start();
}

TStoreListener::~TStoreListener()
{
    _thread.quit();
    _thread.wait();
}

#include "storeListener.moc"
