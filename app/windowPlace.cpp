#include "windowPlace.h"

#include <QEvent>
#include <QWidget>

TWindowPlace::TWindowPlace(QWidget& window, std::function<void(const QByteArray&)> store)
    : _window(window), _store(std::move(store))
{
    _rest.setSingleShot(true);
    _rest.setInterval(RestMs);
    connect(&_rest, &QTimer::timeout, this, &TWindowPlace::Store);
    _window.installEventFilter(this);
}

TWindowPlace::~TWindowPlace()
{
    _window.removeEventFilter(this);
    if (_rest.isActive())
        Store();
}

bool TWindowPlace::eventFilter(QObject* watched, QEvent* event)
{
    // A drag sends a move for every pixel; each one only postpones the write.
    if (watched == &_window && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        _window.isVisible())
        _rest.start();
    return false;
}

void TWindowPlace::Store()
{
    _rest.stop();
    _store(_window.saveGeometry());
}
