#include "gui/generator/GeneratorCommands.h"

#include "core/files/FileKind.h"
#include "core/generator/GenerateShop.h"
#include "core/modern/GenerateModernShop.h"
#include "core/project/Utf8Path.h"
#include "core/settings/EditedSettings.h"
#include "core/settings/LegalTemplates.h"
#include "core/settings/OrderAddress.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/DataLocation.h"
#include "gui/common/FolderMemory.h"
#include "gui/generator/GenerationProgress.h"
#include "gui/generator/ShopReadyMessage.h"
#include "gui/platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <optional>

namespace targello {
namespace {

// Pictures that could not be used never stop a run: the page is written
// without them, and the run gives back the text that names them all ("" for
// none), or nothing when no page was written.
using RunOutcome = std::optional<QString>;

QString missingPicturesText(const std::vector<MissingPicture>& missing) {
    if (missing.empty())
        return {};
    QStringList lines{QStringLiteral("Sklep zapisano, ale nie wszystkie obrazki udało się skopiować:")};
    for (const MissingPicture& picture : missing)
        lines.append(QString::fromStdString(MissingPictureText(picture)));
    return lines.join(QLatin1Char('\n'));
}

// Links written inert follow what became of the pictures, in the same message.
QString withLinkWarnings(const QString& pictures, const std::vector<std::string>& links) {
    QStringList parts;
    if (!pictures.isEmpty())
        parts.append(pictures);
    for (const std::string& line : links)
        parts.append(QString::fromStdString(line));
    return parts.join(QStringLiteral("\n\n"));
}

// The page and its pictures are copied for the run, which works in the
// background: the window goes on answering, and "Anuluj" stops the run
// leaving the previous shop as it was (which is no failure to report).
RunOutcome writeClassic(AppContext& app, const ShopPage& page, const std::string& baseName,
                        const std::string& path) {
    GenerationProgress progress(app.window(), QStringLiteral("Kopiowanie obrazków…"));
    const GenerateResult result =
        progress.run([&progress, page, edited = app.editedSettings().Values, baseName, path] {
            return GenerateShop(
                page, edited, baseName, path, NativePathStyle(),
                [&progress](int done, int total) { progress.report(done, total); }, &progress.cancelFlag());
        });
    if (result.Cancelled)
        return std::nullopt;
    if (!result.Succeeded) {
        app.platform().showError(app.window(), QString::fromStdString(result.ErrorText));
        return std::nullopt;
    }
    return withLinkWarnings(missingPicturesText(result.MissingPictures), result.LinkWarnings);
}

RunOutcome writeModern(AppContext& app, const ShopPage& page, const std::string& baseName,
                       const std::string& path) {
    // A FIFO or a device in the page's place would be replaced, or block.
    if (const std::string problem = WritableFileProblem(PathFromUtf8(path)); !problem.empty()) {
        app.platform().showError(app.window(),
                                 QStringLiteral("Nie można zapisać strony „%1”: %2.")
                                     .arg(QString::fromStdString(path), QString::fromStdString(problem)));
        return std::nullopt;
    }
    GenerationProgress progress(app.window(), QStringLiteral("Przygotowywanie obrazków…"));
    const ModernShopResult result =
        progress.run([&progress, page, edited = app.editedSettings().Values, baseName, path] {
            return GenerateModernShop(page, edited, baseName, path, NativePathStyle(),
                                      [&progress](int done, int total) {
                                          progress.report(done, total);
                                          return !progress.cancelled();
                                      });
        });
    if (result.Cancelled)
        return std::nullopt;
    if (!result.Succeeded) {
        app.platform().showError(app.window(), QString::fromStdString(result.ErrorText));
        return std::nullopt;
    }
    // Pictures copied unchanged for want of the picture module are told first.
    const std::string notes =
        result.PicturesNotice.empty()
            ? PictureProblemsText(result.UnreadablePictures)
            : result.PicturesNotice + "\n\n" + PictureProblemsText(result.UnreadablePictures);
    std::vector<std::string> warnings = result.PictureWarnings;
    warnings.insert(warnings.end(), result.LinkWarnings.begin(), result.LinkWarnings.end());
    return withLinkWarnings(QString::fromStdString(notes).trimmed(), warnings);
}

RunOutcome writePage(AppContext& app, const ShopPage& page, const QString& baseName, const QString& path) {
    // The choice of page is the project's, as last applied to it.
    if (page.Settings.ModernPage)
        return writeModern(app, page, baseName.toStdString(), path.toStdString());
    return writeClassic(app, page, baseName.toStdString(), path.toStdString());
}

QString orderNote(const ShopPage& page) {
    return QString::fromStdString(OrderAddressExportNote(page.Settings.OrderEmail));
}

} // namespace

bool WriteShop(AppContext& app, const QString& baseName, const QString& path) {
    const ShopPage* page = app.workspace().Current();
    if (page == nullptr)
        return false;
    // Taken before the run: the page may be gone when it ends.
    const QString note = orderNote(*page);
    const RunOutcome pictures = writePage(app, *page, baseName, path);
    if (!pictures)
        return false;
    ShowShopReady(app, path, *pictures, note);
    return true;
}

std::optional<QString> WriteShopFiles(AppContext& app, const QString& baseName, const QString& path) {
    const ShopPage* page = app.workspace().Current();
    if (page == nullptr)
        return std::nullopt;
    return writePage(app, *page, baseName, path);
}

void PreviewShop(AppContext& app) {
    const ShopPage* page = app.workspace().Current();
    if (page == nullptr)
        return;
    const QString start = QString::fromStdString(app.workspace().StartDirectory());
    QDir::setCurrent(start);
    const QString path = JoinPath(start, QStringLiteral("temp.html"));
    const QString note = orderNote(*page);
    const RunOutcome pictures = writePage(app, *page, QStringLiteral("temp"), path);
    if (!pictures)
        return;
    app.platform().openInShell(path);
    ShowShopReady(app, path, *pictures, note);
}

void ExportShop(AppContext& app) {
    const QString path = app.platform().saveFileName(
        app.window(), QStringLiteral("Zapisz do pliku HTML"), QStringLiteral("pliki html (*.html)"),
        QStringLiteral("html"), LastFolder(QStringLiteral("html")));
    if (path.isEmpty())
        return;
    RememberFolder(QStringLiteral("html"), path);
    const QString nativePath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // The working directory follows the chosen folder, as a save dialog leaves it.
    QDir::setCurrent(QFileInfo(nativePath).absolutePath());
    if (!WriteShop(app, QString::fromStdString(ExportBaseName(nativePath.toStdString())), nativePath))
        return;
    // Never refused: a trader may export a shop to look at before it sells.
    const ShopPage* page = app.workspace().Current();
    const std::string gaps = SellingGapsWarning(app.editedSettings().Values.Selling);
    if (page != nullptr && page->Settings.ModernPage && !gaps.empty())
        app.platform().showWarning(app.window(), QStringLiteral("Targello"), QString::fromStdString(gaps));
}

} // namespace targello
