#include "gameEndedNotice.h"

#include <QApplication>
#include <QWidget>
#include <memory>

QEvent::Type GameEndedMessage()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QWidget* FindGameEndedNoticeReceiver(const QWidget* from)
{
    if (from != nullptr) {
        QWidget* const own = from->window();
        if (own != nullptr && own->inherits(GameEndedNoticeReceiverClass))
            return own;
    }
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* const window : windows)
        if (window->inherits(GameEndedNoticeReceiverClass))
            return window;
    return nullptr;
}

bool PostGameEndedNoticeFrom(const QWidget* from)
{
    QWidget* const receiver = FindGameEndedNoticeReceiver(from);
    if (receiver == nullptr)
        return false;
    // postEvent takes ownership of the event and deletes it once delivered.
    QCoreApplication::postEvent(receiver, std::make_unique<QEvent>(GameEndedMessage()).release());
    return true;
}
