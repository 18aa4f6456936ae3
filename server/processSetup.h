#pragma once
// What the server asks of the operating system: as many open files as it may
// have (a socket is a file), and a quiet way to hear SIGINT and SIGTERM.

#include <QObject>
#include <QSocketNotifier>

/// Raises the soft limit of open files to the hard limit; the new limit.
long RaiseOpenFileLimit();

/// Turns SIGINT and SIGTERM into the signal `stopAsked`, raised on the thread
/// that made this object, through a pipe: a signal handler may do nothing else.
class TStopSignals : public QObject {
    Q_OBJECT
public:
    explicit TStopSignals(QObject* parent = nullptr);
    ~TStopSignals() override;

signals:
    void stopAsked(int signalNumber);

private:
    void Read();
    QSocketNotifier* _notifier = nullptr;
};
