#include "settingsStore.h"

#include <QFile>
#include <QSettings>

namespace {

const QString OrganisationName = QStringLiteral("Veltan");
const QString ApplicationName = QStringLiteral("Veltan");
const QString VersionKey = QStringLiteral("Version");

const QString TrueText = QStringLiteral("true");
const QString FalseText = QStringLiteral("false");

} // namespace

TSettingsStore::TSettingsStore()
    : _settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, OrganisationName,
                                            ApplicationName))
{
    Open();
}

TSettingsStore::TSettingsStore(const QString& path)
    : _settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
    Open();
}

TSettingsStore::~TSettingsStore() = default;

void TSettingsStore::Open()
{
    const bool sameVersion = _settings->value(VersionKey).toString() == QString::number(Version);
    if (_settings->status() == QSettings::NoError && sameVersion)
        return;
    // Nothing of an unreadable file or of another version is trusted: the
    // program starts from its defaults and the file from scratch.
    const QString path = _settings->fileName();
    if (_settings->status() == QSettings::FormatError) {
        _settings.reset();
        QFile::remove(path);
        _settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    _settings->clear();
    Store(VersionKey.toLatin1().constData(), QString::number(Version));
}

void TSettingsStore::Store(const char* key, const QString& value)
{
    _settings->setValue(QLatin1String(key), value);
    _settings->sync();
}

int TSettingsStore::Read(const TIntSetting& setting)
{
    bool number = false;
    const int value = _settings->value(QLatin1String(setting.key)).toString().toInt(&number);
    if (number && value >= setting.lowest && value <= setting.highest)
        return value;
    Store(setting.key, QString::number(setting.fallback));
    return setting.fallback;
}

bool TSettingsStore::Read(const TBoolSetting& setting)
{
    const QString text = _settings->value(QLatin1String(setting.key)).toString();
    if (text == TrueText || text == FalseText)
        return text == TrueText;
    Store(setting.key, setting.fallback ? TrueText : FalseText);
    return setting.fallback;
}

QString TSettingsStore::Read(const TTextSetting& setting)
{
    const QVariant value = _settings->value(QLatin1String(setting.key));
    if (value.isValid() && setting.allowed(value.toString()))
        return value.toString();
    const QString fallback = QString::fromUtf8(setting.fallback);
    Store(setting.key, fallback);
    return fallback;
}

QByteArray TSettingsStore::Read(const TBytesSetting& setting)
{
    return _settings->value(QLatin1String(setting.key)).toByteArray();
}

void TSettingsStore::Write(const TIntSetting& setting, int value)
{
    if (value >= setting.lowest && value <= setting.highest)
        Store(setting.key, QString::number(value));
}

void TSettingsStore::Write(const TBoolSetting& setting, bool value)
{
    Store(setting.key, value ? TrueText : FalseText);
}

void TSettingsStore::Write(const TTextSetting& setting, const QString& value)
{
    if (setting.allowed(value))
        Store(setting.key, value);
}

void TSettingsStore::Write(const TBytesSetting& setting, const QByteArray& value)
{
    _settings->setValue(QLatin1String(setting.key), value);
    _settings->sync();
}

QString TSettingsStore::FileName() const
{
    return _settings->fileName();
}
