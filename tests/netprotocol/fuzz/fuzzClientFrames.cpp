// libFuzzer entry: any bytes as one client frame. The reader must never
// crash or read out of bounds, and every frame gives either a message or an
// error code with a problem to send back, never both and never neither.

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "clientMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView frame(data, static_cast<qsizetype>(size));
    const net::TClientReading reading = net::ReadClientMessage(frame);
    const bool refused = !reading.errorCode.isEmpty();
    if (reading.message.has_value() == refused || refused == reading.problem.isEmpty())
        std::abort();
    // Only a move carries an id for its refusal.
    if (!reading.moveId.isEmpty() && !reading.isMove)
        std::abort();
    return 0;
}
