#include "gui/app/PageClosing.h"

#include "core/workspace/ShopPage.h"
#include "gui/app/Autosave.h"
#include "gui/common/AppContext.h"
#include "gui/platform/Platform.h"
#include "gui/project/ProjectCommands.h"

namespace targello {

bool MayClosePage(AppContext& app, ShopPage& page, Autosave& autosave) {
    if (!page.Changed())
        return true;
    enum Answer { Save, Discard, Cancel };
    const QStringList answers{QStringLiteral("Zapisz"), QStringLiteral("Nie zapisuj"), QStringLiteral("Anuluj")};
    switch (app.platform().ask(app.window(), QString::fromStdString(UnsavedChangesQuestion(page)), answers)) {
    case Save:
        if (!SavePage(app, page))
            return false;
        autosave.dropCopy(page);
        return true;
    case Discard:
        // Its copy goes when it closes: after a later "Anuluj" the page
        // stays open with its changes, and they stay recoverable.
        return true;
    default:
        return false;
    }
}

} // namespace targello
