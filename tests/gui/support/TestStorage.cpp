#include "TestStorage.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace targello {

TestStorage::TestStorage() {
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral("data")).toLocal8Bit());
}

void TestStorage::useForThisProcess() {
#ifdef _WIN32
    // A child program of a test is handed the same name.
    QString organization = qEnvironmentVariable("TARGELLO_TEST_ORGANIZATION");
    if (organization.isEmpty()) {
        organization = QStringLiteral("TargelloTest-%1").arg(QCoreApplication::applicationPid());
        qputenv("TARGELLO_TEST_ORGANIZATION", organization.toUtf8());
    }
    QCoreApplication::setOrganizationName(organization);
#endif
}

TestStorage::~TestStorage() {
#ifdef _WIN32
    if (qgetenv("TARGELLO_TEST_ORGANIZATION") ==
        QStringLiteral("TargelloTest-%1").arg(QCoreApplication::applicationPid()).toUtf8()) {
        startAfresh();
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat)
            .remove(QCoreApplication::organizationName());
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
             QCoreApplication::organizationName())
            .removeRecursively();
    }
#endif
}

void TestStorage::startAfresh() {
#ifdef _WIN32
    QSettings().clear();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
#endif
}

} // namespace targello
