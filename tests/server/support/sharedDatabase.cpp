#include "sharedDatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

QString PostgresUrl()
{
    return qEnvironmentVariable("VELTAN_TEST_POSTGRES");
}

QString FreshPostgresDatabase(QString& problem)
{
    const QUrl base(PostgresUrl());
    if (!base.isValid() || base.host().isEmpty()) {
        problem = QStringLiteral("VELTAN_TEST_POSTGRES is no PostgreSQL URL");
        return {};
    }
    // The name is made here, never read from outside, so it may go into the SQL text.
    const QString name = QStringLiteral("veltan_%1").arg(QUuid::createUuid().toString(QUuid::Id128).left(16));
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("test-admin"));
        admin.setHostName(base.host());
        admin.setPort(base.port(5432));
        admin.setUserName(base.userName());
        admin.setPassword(base.password());
        admin.setDatabaseName(base.path().mid(1));
        QSqlQuery create(admin);
        if (!admin.open() || !create.exec(QStringLiteral("CREATE DATABASE %1").arg(name)))
            problem = admin.lastError().text() + create.lastError().text();
        admin.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-admin"));
    if (!problem.isEmpty())
        return {};
    QUrl url = base;
    url.setPath(QLatin1Char('/') + name);
    return url.toString();
}
