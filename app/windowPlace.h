#pragma once
// Remembering where the main window stands: its geometry is written once a
// move or resize has come to rest, not on every pixel of the way.

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

/// Watches a window's moves and resizes and hands its geometry to `store`
/// once none has followed for a moment.
class TWindowPlace final : public QObject {
public:
    TWindowPlace(QWidget& window, std::function<void(const QByteArray&)> store);
    /// Hands over a geometry still waiting.
    ~TWindowPlace() override;
    TWindowPlace(const TWindowPlace&) = delete;
    TWindowPlace& operator=(const TWindowPlace&) = delete;

    /// How long the window must rest before its place is written.
    static constexpr int RestMs = 400;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Store();

    QWidget& _window;
    std::function<void(const QByteArray&)> _store;
    QTimer _rest;
};
