#include "isolatedUserFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TUserFilesWiper final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        for (const auto location : {QStandardPaths::AppDataLocation, QStandardPaths::GenericConfigLocation})
            QDir(QStandardPaths::writableLocation(location)).removeRecursively();
        const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Veltan"),
                                 QStringLiteral("Veltan"));
        QFile::remove(settings.fileName());
    }
};

} // namespace

void IsolateUserFiles()
{
    // Lives for the whole run; removed with everything in it at exit.
    static QTemporaryDir home;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, home.path().toLocal8Bit());
    QCoreApplication::setOrganizationName(QStringLiteral("Veltan"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltan"));
}

void WipeUserFilesBeforeEachTest()
{
    QStandardPaths::setTestModeEnabled(true);
    ::testing::UnitTest::GetInstance()->listeners().Append(new TUserFilesWiper);
}
