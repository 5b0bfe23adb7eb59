#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/app/AppContext.h"
#include "gui/platform/ScriptedPlatform.h"
#include "gui/workspace/PageWindow.h"
#include "gui/workspace/PictureCache.h"

#include <QWidget>
#include <map>
#include <memory>

namespace targello {

// The running program as a page window needs it, without the main window:
// a workspace, the options' working copy, a scripted desktop and the shared
// thumbnails. Each page window is a top-level window of its own.
class FakeAppContext : public AppContext {
public:
    FakeAppContext();
    ~FakeAppContext() override;

    ShopWorkspace& workspace() override { return workspace_; }
    EditedSettings& editedSettings() override { return edited_; }
    Platform& platform() override { return platform_; }
    QWidget* window() override { return &owner_; }
    PageWindow* pageWindow(int slot) override;
    PageWindow* currentPageWindow() override;
    PageWindow* newPage() override;
    OptionsDialog* options() override { return nullptr; }
    PictureCache& pictures() override { return pictures_; }

    ScriptedPlatform& scripted() { return platform_; }
    const ScriptedPlatform& scriptedConst() const { return platform_; }

private:
    ShopWorkspace workspace_;
    EditedSettings edited_ = EditedSettings::initial();
    ScriptedPlatform platform_;
    PictureCache pictures_;
    QWidget owner_;
    // Last, so that the windows go before the pages they show.
    std::map<int, std::unique_ptr<PageWindow>> windows_;
};

} // namespace targello
