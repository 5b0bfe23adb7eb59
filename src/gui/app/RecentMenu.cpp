#include "gui/app/RecentMenu.h"

#include "gui/common/AppContext.h"
#include "gui/platform/Platform.h"
#include "gui/project/ProjectCommands.h"
#include "gui/project/RecentProjectList.h"

#include <QMenu>

namespace targello {

RecentMenu::RecentMenu(AppContext& app, QMenu& projectMenu) : QObject(&projectMenu), app_(app) {
    menu_ = new QMenu(QStringLiteral("Ostatnio otwierane"), &projectMenu);
    menu_->setObjectName(QStringLiteral("OstatnioOtwierane"));
    projectMenu.insertMenu(projectMenu.findChild<QAction*>(QStringLiteral("Zapiszprojekt1")), menu_);
    // Filled as it opens, not at start-up: reading the preferences would
    // delay the first window.
    connect(menu_, &QMenu::aboutToShow, this, &RecentMenu::refill);
}

void RecentMenu::refill() {
    menu_->clear();
    const QStringList paths = RecentProjectPaths();
    for (int k = 0; k < paths.size(); ++k) {
        // "&1 /ścieżka": the number is the item's accelerator; an "&" in a
        // path is doubled so that it shows.
        QString caption = QStringLiteral("&%1 %2").arg(k + 1).arg(
            QString(paths[k]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        QAction* item = menu_->addAction(caption);
        item->setData(paths[k]);
        const QString path = paths[k];
        connect(item, &QAction::triggered, this, [this, path] { open(path); });
    }
    if (paths.isEmpty())
        menu_->addAction(QStringLiteral("(brak)"))->setEnabled(false);
}

void RecentMenu::open(const QString& path) {
    const QString gone = ForgetRecentProjectIfMissing(path);
    if (!gone.isEmpty()) {
        app_.platform().showMessage(app_.window(), gone);
        refill();
        return;
    }
    if (OpenProjectFile(app_, path) != nullptr)
        emit opened();
    refill();
}

} // namespace targello
