#include "serverOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QStandardPaths>

#include "protocolLimits.h"

std::optional<TListenPlace> ReadListenPlace(const QString& text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(QLatin1Char(':')))
        return std::nullopt; // an IPv6 address needs its brackets
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    TListenPlace place;
    if (!ok || port > 65535 || !place.address.setAddress(host))
        return std::nullopt;
    place.port = static_cast<quint16>(port);
    return place;
}

std::optional<TServerOptions> ReadServerOptions(const QStringList& arguments, QString& problem)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The Veltan server: teams play each other from their own machines.\n"
                       "Clients connect to ws://ADDRESS:PORT%1 (wss:// with a certificate).")
            .arg(QLatin1String(net::WebSocketPath)));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listen(
        QStringLiteral("listen"),
        QStringLiteral(
            "Address and port to listen on (default 127.0.0.1:%1; 0.0.0.0:%1 or [::]:%1 for a network).")
            .arg(net::DefaultPort),
        QStringLiteral("ADDRESS:PORT"), QStringLiteral("127.0.0.1:%1").arg(net::DefaultPort));
    const QCommandLineOption database(QStringLiteral("database"),
                                      QStringLiteral("The SQLite file that keeps the games (default: "
                                                     "veltan-server.sqlite in the program's data folder)."),
                                      QStringLiteral("PATH"));
    const QCommandLineOption certificate(QStringLiteral("certificate"),
                                         QStringLiteral("PEM certificate (chain) for wss; needs --key."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("PEM private key of the certificate."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Log problems only."));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Log every message handled."));
    parser.addOptions({listen, database, certificate, key, quiet, verbose});
    parser.process(arguments);
    if (!parser.positionalArguments().isEmpty()) {
        problem = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }
    TServerOptions options;
    const auto place = ReadListenPlace(parser.value(listen));
    if (!place) {
        problem = QStringLiteral("--listen wants ADDRESS:PORT, such as 0.0.0.0:%1 or [::]:%1, not \"%2\"")
                      .arg(net::DefaultPort)
                      .arg(parser.value(listen));
        return std::nullopt;
    }
    options.listen = *place;
    options.database = parser.value(database);
    if (options.database.isEmpty())
        options.database = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                               .filePath(QStringLiteral("veltan-server.sqlite"));
    options.certificate = parser.value(certificate);
    options.key = parser.value(key);
    if (options.certificate.isEmpty() != options.key.isEmpty()) {
        problem = QStringLiteral("--certificate and --key go together");
        return std::nullopt;
    }
    if (parser.isSet(quiet) && parser.isSet(verbose)) {
        problem = QStringLiteral("--quiet or --verbose, not both");
        return std::nullopt;
    }
    options.detail = parser.isSet(quiet)     ? TLogDetail::Quiet
                     : parser.isSet(verbose) ? TLogDetail::Verbose
                                             : TLogDetail::Normal;
    return options;
}

bool LoadTls(TServerOptions& options, QString& problem)
{
    if (options.certificate.isEmpty())
        return true;
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(options.certificate, QSsl::Pem);
    if (chain.isEmpty()) {
        problem = QStringLiteral("no PEM certificate in %1").arg(options.certificate);
        return false;
    }
    QFile keyFile(options.key);
    if (!keyFile.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("cannot read %1: %2").arg(options.key, keyFile.errorString());
        return false;
    }
    const QByteArray pem = keyFile.readAll();
    QSslKey key(pem, QSsl::Rsa, QSsl::Pem);
    if (key.isNull())
        key = QSslKey(pem, QSsl::Ec, QSsl::Pem);
    if (key.isNull()) {
        problem = QStringLiteral("no PEM private key (RSA or EC) in %1").arg(options.key);
        return false;
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(chain.constFirst());
    tls.setLocalCertificateChain(chain);
    tls.setPrivateKey(key);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    options.listen.tls = tls;
    return true;
}
