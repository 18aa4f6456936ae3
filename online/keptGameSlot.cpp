#include "keptGameSlot.h"

#include <QDir>

namespace online {
namespace {

// More programs than this at once would be more games than a player follows.
constexpr int Slots = 8;

QString SlotName(int slot)
{
    return slot == 1 ? QStringLiteral("online-game") : QStringLiteral("online-game-%1").arg(slot);
}

} // namespace

TKeptGameSlot::TKeptGameSlot(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return;
    const QDir dir(folder);
    for (int slot = 1; slot <= Slots; ++slot) {
        auto lock = std::make_unique<QLockFile>(dir.filePath(SlotName(slot) + QStringLiteral(".lock")));
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            path_ = dir.filePath(SlotName(slot) + QStringLiteral(".json"));
            return;
        }
    }
}

} // namespace online
