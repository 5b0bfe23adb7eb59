#include "gui/app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace targello {

bool UsePolishLanguage(QCoreApplication& application) {
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    auto* translator = new QTranslator(&application);
    if (!translator->load(polish, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace targello
