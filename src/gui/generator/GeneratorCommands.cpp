#include "gui/generator/GeneratorCommands.h"

#include "core/generator/GenerateShop.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/FolderMemory.h"
#include "gui/common/DataLocation.h"
#include "gui/platform/Platform.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPointer>
#include <QProgressDialog>
#include <QtConcurrent>

namespace targello {
namespace {

// Copying a hundred large pictures takes a while: the run works on a copy of
// the page in the background while a progress dialog keeps the window alive
// and keeps the user from changing the shop underneath it.
GenerateResult generateInBackground(AppContext& app, const ShopPage& page, const std::string& baseName,
                                    const std::string& path) {
    QProgressDialog progress(QStringLiteral("Kopiowanie obrazków…"), QString(), 0, 0, app.window());
    progress.setWindowTitle(QStringLiteral("Targello"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QPointer<QProgressDialog> shown(&progress);
    const auto report = [shown](int done, int total) {
        QMetaObject::invokeMethod(
            shown.data(),
            [shown, done, total] {
                if (shown) {
                    shown->setMaximum(total);
                    shown->setValue(done);
                }
            },
            Qt::QueuedConnection);
    };
    QFutureWatcher<GenerateResult> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<GenerateResult>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([page, edited = app.editedSettings().Values, baseName, path, report] {
        return GenerateShop(page, edited, baseName, path, NativePathStyle(), report);
    }));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return watcher.result();
}

} // namespace

bool WriteShop(AppContext& app, const QString& baseName, const QString& path) {
    const ShopPage* page = app.workspace().Current();
    if (page == nullptr)
        return false;
    const GenerateResult result =
        generateInBackground(app, *page, baseName.toStdString(), path.toStdString());
    if (!result.Succeeded) {
        app.platform().showError(app.window(), QString::fromStdString(result.ErrorText));
        return false;
    }
    return true;
}

void PreviewShop(AppContext& app) {
    const QString start = QString::fromStdString(app.workspace().StartDirectory());
    QDir::setCurrent(start);
    const QString path = JoinPath(start, QStringLiteral("temp.html"));
    if (WriteShop(app, QStringLiteral("temp"), path))
        app.platform().openInShell(path);
}

void ExportShop(AppContext& app) {
    const QString path =
        app.platform().saveFileName(app.window(), QStringLiteral("Zapisz do pliku HTML"),
                                    QStringLiteral("pliki html (*.html)"), QStringLiteral("html"),
                                    LastFolder(QStringLiteral("html")));
    if (path.isEmpty())
        return;
    RememberFolder(QStringLiteral("html"), path);
    const QString nativePath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // The working directory follows the chosen folder, as a save dialog leaves it.
    QDir::setCurrent(QFileInfo(nativePath).absolutePath());
    WriteShop(app, QString::fromStdString(ExportBaseName(nativePath.toStdString())), nativePath);
}

} // namespace targello
