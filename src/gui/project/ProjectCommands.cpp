#include "gui/project/ProjectCommands.h"

#include "core/project/AnchorPaths.h"
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectToPage.h"
#include "core/settings/OrderAddress.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/DataLocation.h"
#include "gui/common/FolderMemory.h"
#include "gui/common/OptionsEditor.h"
#include "gui/common/PageView.h"
#include "gui/common/SaveWhole.h"
#include "gui/platform/Platform.h"
#include "gui/project/RecentProjectList.h"

#include <QDir>
#include <QFileInfo>

namespace targello {
namespace {

const QString ProjectFilter = QStringLiteral("pliki skl (*.esk)");
const QString ProjectKind = QStringLiteral("projekt");

// The page's row bands follow its settings; a texture that cannot be loaded
// is reported by the dialog and the bands keep the row colours.
void showBands(AppContext& app, PageView& window) {
    const ShopSettings& settings = window.page().Settings;
    window.clearBandTexture();
    OptionsEditor& options = app.options();
    if (settings.UseTexture && options.loadTexture(QString::fromStdString(settings.TexturePath)))
        window.setBandTexture(options.textureStrip());
}

// A file from an older program may hold any address; the page opens, and
// the trader learns that its orders would go nowhere.
void noteOrderAddress(AppContext& app, const ShopPage& page) {
    const std::string problem = OrderAddressMessage(page.Settings.OrderEmail);
    if (!problem.empty())
        app.platform().showMessage(
            app.window(),
            QString::fromStdString(problem) +
                QStringLiteral("\nPopraw adres w oknie „Ustawienia”, zanim opublikujesz sklep."));
}

// Writes the page to `path` (or refuses it whole); "" asks for the path first.
bool writePage(AppContext& app, ShopPage& page, QString path) {
    const auto bytes = ProjectBytesFromPage(page);
    if (!bytes) {
        app.platform().showMessage(app.window(), QString::fromStdString(bytes.Error));
        return false;
    }
    if (path.isEmpty()) {
        // The dialog starts on the page's own file, so that Enter saves it again.
        const QString own = QString::fromStdString(page.ProjectPath());
        path =
            app.platform().saveFileName(app.window(), QStringLiteral("Zapisz projekt"), ProjectFilter,
                                        QStringLiteral("esk"), own.isEmpty() ? LastFolder(ProjectKind) : own);
        if (path.isEmpty())
            return false;
        RememberFolder(ProjectKind, path);
    }
    const QString error =
        SaveWhole(path, QByteArray(bytes.Value->data(), static_cast<qsizetype>(bytes.Value->size())));
    if (!error.isEmpty()) {
        app.platform().showError(
            app.window(), QStringLiteral("Nie można zapisać projektu do pliku %1: %2").arg(path, error));
        return false;
    }
    page.SetProjectPath(path.toStdString());
    page.MarkSaved();
    app.pageFileChanged(page);
    RememberRecentProject(path);
    return true;
}

} // namespace

bool SavePage(AppContext& app, ShopPage& page) {
    return writePage(app, page, QString::fromStdString(page.ProjectPath()));
}

bool SavePageAs(AppContext& app, ShopPage& page) {
    return writePage(app, page, QString());
}

bool SaveProject(AppContext& app) {
    ShopPage* page = app.workspace().Current();
    return page != nullptr && SavePage(app, *page);
}

void OpenProject(AppContext& app) {
    const QString path = app.platform().openFileName(app.window(), QStringLiteral("Otwórz projekt"),
                                                     ProjectFilter, LastFolder(ProjectKind));
    if (path.isEmpty())
        return;
    RememberFolder(ProjectKind, path);
    OpenProjectFile(app, path);
}

PageView* OpenProjectFile(AppContext& app, const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const auto record = ReadProjectFile(absolute.toStdString());
    if (!record) {
        app.platform().showError(app.window(), QString::fromStdString(record.Error));
        return nullptr;
    }
    PageView* window = app.newPage();
    if (window == nullptr)
        return nullptr;
    ShowOpenedPage(app, *window, ApplyProjectToPage(*record.Value, window->page()));
    noteOrderAddress(app, window->page());
    // Opened as it is in its file: nothing to save yet.
    window->page().SetProjectPath(absolute.toStdString());
    window->page().MarkSaved();
    app.pageFileChanged(window->page());
    RememberRecentProject(absolute);
    return window;
}

PageView* OpenSampleShop(AppContext& app) {
    const QString start = QString::fromStdString(app.workspace().StartDirectory());
    const QString path =
        QFileInfo(LocateDataFile(start, QString::fromLatin1(SampleShopFile))).absoluteFilePath();
    auto record = ReadProjectFile(path.toStdString());
    if (!record) {
        app.platform().showError(app.window(), QString::fromStdString(record.Error));
        return nullptr;
    }
    AnchorPaths(*record.Value, QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString());
    PageView* window = app.newPage();
    if (window == nullptr)
        return nullptr;
    ShowOpenedPage(app, *window, ApplyProjectToPage(*record.Value, window->page()));
    window->page().MarkSaved();
    return window;
}

void ShowOpenedPage(AppContext& app, PageView& window, const ProjectApplyReport& report) {
    window.relayout();
    // One warning for each stored price that was not an amount, as typing it would give.
    for ([[maybe_unused]] const PriceReset& reset : report.PriceResets)
        app.platform().showWarning(app.window(), QStringLiteral("uwaga !"),
                                   QStringLiteral("Nieprawidłowy wpis kwoty"));
    window.loadStoredPictures();
    showBands(app, window);
    app.options().loadPageIntoOptions();
    window.focusItem(0);
}

} // namespace targello
