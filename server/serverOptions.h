#pragma once
// The server's command line: where it listens, where its database lives,
// its TLS certificate and how much it logs.

#include <QString>
#include <QStringList>
#include <optional>

#include "onlineServer.h"
#include "serverLog.h"

/// What the command line asked for.
struct TServerOptions {
    TListenPlace listen;
    QString database;    ///< the SQLite file
    QString certificate; ///< PEM files for wss, both or neither
    QString key;
    TLogDetail detail = TLogDetail::Normal;
};

/// The options read from `arguments` (program name first), or what is wrong
/// with them in `problem`. --help and --version are answered by the parser itself.
std::optional<TServerOptions> ReadServerOptions(const QStringList& arguments, QString& problem);

/// Reads "ADDRESS:PORT", "[v6-address]:PORT"; nothing for anything else.
std::optional<TListenPlace> ReadListenPlace(const QString& text);

/// Loads the certificate and key into `options.listen.tls`; false with the reason.
bool LoadTls(TServerOptions& options, QString& problem);
