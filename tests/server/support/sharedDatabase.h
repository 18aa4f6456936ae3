#pragma once
// PostgreSQL for the tests of several server processes on one database: the
// cluster comes from the environment (pg_virtualenv sets it up), and each
// test gets a database of its own in it.

#include <QString>

/// The PostgreSQL URL the tests were given (VELTAN_TEST_POSTGRES), empty without one.
QString PostgresUrl();
/// A new, empty database in that cluster, as a URL; empty (with the reason) when none could be made.
QString FreshPostgresDatabase(QString& problem);
