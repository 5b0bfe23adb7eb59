#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/platform/ScriptedPlatform.h"
#include "gui/settings/OptionsDialog.h"
#include "gui/workspace/PageWindow.h"
#include "gui/workspace/PictureCache.h"

#include <QTemporaryDir>
#include <QWidget>
#include <map>
#include <memory>

namespace targello {

// The running program as windows and commands see it, without the main
// window: a start directory of its own, a scripted desktop, the working copy
// of the settings as at program start, the shared thumbnails, the options
// dialog, and page windows that are top-level windows of their own.
class TestAppContext : public AppContext {
public:
    enum class Pages { Shown, Hidden };

    explicit TestAppContext(Pages pages = Pages::Shown);
    ~TestAppContext() override;

    ShopWorkspace& workspace() override { return *workspace_; }
    EditedSettings& editedSettings() override { return edited_; }
    Platform& platform() override { return platform_; }
    QWidget* window() override { return &owner_; }
    PageWindow* pageWindow(int slot) override;
    PageWindow* currentPageWindow() override;
    PageWindow* newPage() override;
    // The program's options dialog, made when first asked for.
    OptionsDialog& options() override;
    PictureCache& pictures() { return pictures_; }

    // Copies the *.jpg of `directory` into textury/ below the start directory.
    void copyTextures(const QString& directory);
    QString startDirectory() const { return start_.path(); }
    QString startPath(const QString& relative) const { return start_.filePath(relative); }
    ScriptedPlatform& scripted() { return platform_; }
    const ScriptedPlatform& scriptedConst() const { return platform_; }

    ScriptedPlatform platform_;

private:
    Pages pages_;
    QTemporaryDir start_;
    std::unique_ptr<ShopWorkspace> workspace_;
    EditedSettings edited_ = EditedSettings::initial();
    PictureCache pictures_;
    QWidget owner_;
    std::unique_ptr<OptionsDialog> options_;
    // Last, so that the windows go before the pages they show.
    std::map<int, std::unique_ptr<PageWindow>> windows_;
};

} // namespace targello
