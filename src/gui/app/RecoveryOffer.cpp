#include "gui/app/RecoveryOffer.h"

#include "core/session/RecoveryStore.h"
#include "gui/app/Autosave.h"
#include "gui/common/AppContext.h"
#include "gui/common/PageView.h"
#include "gui/platform/Platform.h"
#include "gui/project/ProjectCommands.h"

#include <QDateTime>
#include <QLocale>

namespace targello {
namespace {

QString offerText(const RecoveryEntry& entry) {
    const QString file = entry.Note.UserFile.empty()
                             ? QStringLiteral("projekt nie był jeszcze zapisany")
                             : QStringLiteral("plik %1").arg(QString::fromStdString(entry.Note.UserFile));
    const QString time = QLocale(QLocale::Polish).toString(
        QDateTime::fromSecsSinceEpoch(entry.SavedAt).toLocalTime(), QStringLiteral("d.MM.yyyy, HH:mm:ss"));
    return QStringLiteral("Program nie został poprawnie zamknięty. Zachowała się kopia projektu „%1” "
                          "(%2) z %3.\nOdzyskać ją?")
        .arg(QString::fromStdString(entry.Note.Caption), file, time);
}

} // namespace

int OfferRecovery(AppContext& app, Autosave& autosave) {
    const RecoveryScan scan = autosave.queue().takeOrphans();
    for (const DamagedRecovery& damaged : scan.Damaged) {
        app.platform().showError(app.window(), QString::fromStdString(damaged.Message));
        autosave.discard(damaged.Key);
    }
    int recovered = 0;
    const QStringList answers{QStringLiteral("Odzyskaj"), QStringLiteral("Odrzuć")};
    for (const RecoveryEntry& entry : scan.Entries) {
        if (app.platform().ask(app.window(), offerText(entry), answers) != 0) {
            autosave.discard(entry.Key);
            continue;
        }
        PageView* window = app.newPage();
        if (window == nullptr)
            break; // the page limit: the rest stay for the next start
        ShowOpenedPage(app, *window, RestoreRecoveredPage(entry, window->page()));
        autosave.adopt(entry.Key, window->page());
        ++recovered;
    }
    return recovered;
}

} // namespace targello
