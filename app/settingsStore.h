#pragma once
// The program's lasting settings. Every key is declared once with its type,
// default and the values it may take, and read through that declaration, so a
// missing, damaged or out-of-range value falls back to its default in one place.

#include <QByteArray>
#include <QString>
#include <memory>

class QSettings;

/// A whole number between lowest and highest, both included.
struct TIntSetting {
    const char* key;
    int fallback;
    int lowest;
    int highest;
};

/// Yes or no.
struct TBoolSetting {
    const char* key;
    bool fallback;
};

/// A text that `allowed` accepts: a name from a list that may grow, a folder.
struct TTextSetting {
    const char* key;
    const char* fallback;
    bool (*allowed)(const QString& value);
};

/// Bytes the program made itself and checks on use (the window's geometry).
struct TBytesSetting {
    const char* key;
};

/// The settings file with its version. A file that cannot be read or was
/// written for another version is started afresh on opening; a value that is
/// missing, of the wrong kind or out of range reads as its default and the
/// default is written back, so the file is sound again.
class TSettingsStore {
public:
    /// The user's settings (organisation and application "Veltan").
    TSettingsStore();
    /// The settings in an INI file at path.
    explicit TSettingsStore(const QString& path);
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    int Read(const TIntSetting& setting);
    bool Read(const TBoolSetting& setting);
    QString Read(const TTextSetting& setting);
    QByteArray Read(const TBytesSetting& setting);

    /// Each write reaches the file at once, so a crash loses none. A value the
    /// declaration does not allow is not written.
    void Write(const TIntSetting& setting, int value);
    void Write(const TBoolSetting& setting, bool value);
    void Write(const TTextSetting& setting, const QString& value);
    void Write(const TBytesSetting& setting, const QByteArray& value);

    /// Where the settings are kept.
    QString FileName() const;

    /// The version the program writes; a file of any other starts afresh.
    static constexpr int Version = 1;

private:
    void Open();
    void Store(const char* key, const QString& value);

    std::unique_ptr<QSettings> _settings;
};
