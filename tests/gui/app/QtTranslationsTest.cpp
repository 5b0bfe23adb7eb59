#include "gui/app/QtTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <gtest/gtest.h>

namespace targello {
namespace {

TEST(QtTranslations, QtsOwnButtonsSpeakPolish) {
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_pl.qm");
    if (!QFileInfo::exists(catalogue))
        GTEST_SKIP() << "Qt's Polish translations are not installed";
    ASSERT_TRUE(UsePolishLanguage(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Szukaj w:"));
    // The other cases of this program expect no translation in between.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace
} // namespace targello
