#include "gui/app/AppCommands.h"

#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/DataLocation.h"
#include "gui/platform/Platform.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace targello {
namespace {

QList<QMdiSubWindow*> arrangeable(QMdiArea& area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (window->isMinimized())
            continue;
        if (window->isMaximized())
            window->showNormal();
        windows.append(window);
    }
    return windows;
}

void tile(QMdiArea& area, Qt::Orientation stacking) {
    const QList<QMdiSubWindow*> windows = arrangeable(area);
    if (windows.isEmpty())
        return;
    const QRect frame = area.viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int k = 0; k < count; ++k) {
        QRect place;
        if (stacking == Qt::Vertical) {
            const int top = frame.height() * k / count;
            place = QRect(0, top, frame.width(), frame.height() * (k + 1) / count - top);
        } else {
            const int left = frame.width() * k / count;
            place = QRect(left, 0, frame.width() * (k + 1) / count - left, frame.height());
        }
        windows[k]->setGeometry(place);
    }
}

} // namespace

void TileHorizontally(QMdiArea& area) {
    tile(area, Qt::Vertical);
}

void TileVertically(QMdiArea& area) {
    tile(area, Qt::Horizontal);
}

void ShowHelp(AppContext& app) {
    const QString start = QString::fromStdString(app.workspace().StartDirectory());
    app.platform().openInShell(LocateDataFile(start, QStringLiteral("pomoc.html")));
}

} // namespace targello
