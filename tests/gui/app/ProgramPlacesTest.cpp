#include "gui/app/Autosave.h"
#include "gui/project/RecentProjectList.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace targello {
namespace {

QString home(const char* variable) {
    return QDir::fromNativeSeparators(qEnvironmentVariable(variable));
}

// Preferences and recovery copies are where the platform keeps a program's
// own: on Windows in the registry under the user's key and under %APPDATA%,
// on Linux in the XDG folders.
TEST(ProgramPlaces, PreferencesAndRecoveryCopiesAreWhereThePlatformKeepsThem) {
    const QString project =
        QDir::toNativeSeparators(QDir::temp().filePath(QStringLiteral("Spiżarnia Zosi.esk")));
    RememberRecentProject(project);
    ASSERT_EQ(RecentProjectPaths().value(0), project);
    const QString recovery = Autosave::defaultFolder();
#ifdef _WIN32
    EXPECT_TRUE(QSettings().fileName().startsWith(QStringLiteral("\\HKEY_CURRENT_USER\\Software\\")))
        << QSettings().fileName().toStdString();
    const QString key =
        QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\Targello").arg(QCoreApplication::organizationName());
    EXPECT_FALSE(QSettings(key, QSettings::NativeFormat).allKeys().isEmpty());
    ASSERT_FALSE(home("APPDATA").isEmpty());
    EXPECT_TRUE(recovery.startsWith(home("APPDATA") + QLatin1Char('/'), Qt::CaseInsensitive))
        << recovery.toStdString();
#else
    EXPECT_TRUE(QSettings().fileName().startsWith(home("XDG_CONFIG_HOME") + QLatin1Char('/')))
        << QSettings().fileName().toStdString();
    EXPECT_TRUE(recovery.startsWith(home("XDG_DATA_HOME") + QLatin1Char('/'))) << recovery.toStdString();
#endif
    EXPECT_TRUE(recovery.endsWith(QStringLiteral("/Targello/odzysk"))) << recovery.toStdString();
}

} // namespace
} // namespace targello
