#include "gui/project/ProjectCommands.h"

#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectToPage.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/OptionsEditor.h"
#include "gui/common/PageView.h"
#include "gui/common/SaveWhole.h"
#include "gui/platform/Platform.h"

namespace targello {
namespace {

const QString ProjectFilter = QStringLiteral("pliki skl (*.esk)");

// The page's row bands follow its settings; a texture that cannot be loaded
// is reported by the dialog and the bands keep the row colours.
void showBands(AppContext& app, PageView& window) {
    const ShopSettings& settings = window.page().Settings;
    window.clearBandTexture();
    OptionsEditor& options = app.options();
    if (settings.UseTexture && options.loadTexture(QString::fromStdString(settings.TexturePath)))
        window.setBandTexture(options.textureStrip());
}

} // namespace

void SaveProject(AppContext& app) {
    const ShopPage* page = app.workspace().Current();
    if (page == nullptr)
        return;
    const auto bytes = ProjectBytesFromPage(*page);
    if (!bytes) {
        app.platform().showMessage(app.window(), QString::fromStdString(bytes.Error));
        return;
    }
    const QString path = app.platform().saveFileName(app.window(), QStringLiteral("Zapisz projekt"),
                                                     ProjectFilter, QStringLiteral("esk"));
    if (path.isEmpty())
        return;
    const QString error =
        SaveWhole(path, QByteArray(bytes.Value->data(), static_cast<qsizetype>(bytes.Value->size())));
    if (!error.isEmpty())
        app.platform().showError(
            app.window(), QStringLiteral("Nie można zapisać projektu do pliku %1: %2").arg(path, error));
}

void OpenProject(AppContext& app) {
    const QString path =
        app.platform().openFileName(app.window(), QStringLiteral("Otwórz projekt"), ProjectFilter);
    if (!path.isEmpty())
        OpenProjectFile(app, path);
}

bool OpenProjectFile(AppContext& app, const QString& path) {
    const auto record = ReadProjectFile(path.toStdString());
    if (!record) {
        app.platform().showError(app.window(), QString::fromStdString(record.Error));
        return false;
    }
    PageView* window = app.newPage();
    if (window == nullptr)
        return false;
    const ProjectApplyReport report = ApplyProjectToPage(*record.Value, window->page());
    window->relayout();
    // One warning for each stored price that was not an amount, as typing it would give.
    for ([[maybe_unused]] const PriceReset& reset : report.PriceResets)
        app.platform().showWarning(app.window(), QStringLiteral("uwaga !"),
                                   QStringLiteral("Nieprawidłowy wpis kwoty"));
    window->loadStoredPictures();
    showBands(app, *window);
    app.options().loadPageIntoOptions();
    window->focusItem(0);
    return true;
}

} // namespace targello
