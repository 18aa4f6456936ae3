#pragma once
// The endings of the rules in the protocol's words (`result` and `reason` of
// an `ended` event), one table the server that writes them and the clients
// that check them share.

#include <QString>

#include "veltanbrdKernel.h"

namespace net {

/// An ending's result ("white", "black", "draw") and reason ("kings", "time", ...).
struct TEndingWords {
    QString result;
    QString reason;
};

/// The words of an ending the kernel knows; empty for TGameEnding::None.
TEndingWords EndingWords(TGameEnding ending);

/// Checks an ending the server reported against the board that followed the
/// game: empty when they agree, or when the reason is none the board can
/// judge (time, resignation, agreement, absence); otherwise what disagrees.
QString EndingDisagreement(const QString& result, const QString& reason, const TVeltanBrdKernel& board);

} // namespace net
