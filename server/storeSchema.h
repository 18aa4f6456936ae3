#pragma once
// The game database's settings and tables: the connection's pragmas, and the
// schema reached through numbered migrations that SQLite and PostgreSQL both read.

#include <QSqlDatabase>
#include <QString>

/// Seats a game has in the database (0..StoreSeatCount-1, White's first).
inline constexpr int StoreSeatCount = 8;
/// The newest schema this program writes; a database at a higher version is refused.
inline constexpr int StoreSchemaVersion = 2;

/// Opens `db` (driver and database name already set), sets its connection up
/// and brings its schema to StoreSchemaVersion. Returns what went wrong, in
/// words for the server's operator, or an empty text when the database is ready.
QString PrepareStoreDatabase(QSqlDatabase& db);
