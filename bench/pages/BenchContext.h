#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/platform/ScriptedPlatform.h"
#include "gui/settings/OptionsDialog.h"
#include "gui/workspace/PageWindow.h"
#include "gui/workspace/PictureCache.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>

class QMdiArea;

namespace targello {

// A maximised main window with a multi-document area that holds page
// windows the way the program's main window does, without its toolbar,
// menus and dialogs.
class BenchContext : public AppContext {
public:
    BenchContext();
    ~BenchContext() override;

    ShopWorkspace& workspace() override { return workspace_; }
    EditedSettings& editedSettings() override { return edited_; }
    Platform& platform() override { return platform_; }
    QWidget* window() override { return &main_; }
    PageWindow* pageWindow(int slot) override;
    PageWindow* currentPageWindow() override;
    PageWindow* newPage() override;
    OptionsDialog& options() override;
    PictureCache& pictures() { return pictures_; }

private:
    ShopWorkspace workspace_;
    EditedSettings edited_ = EditedSettings::initial();
    ScriptedPlatform platform_;
    PictureCache pictures_;
    QMainWindow main_;
    QMdiArea* area_;
    std::unique_ptr<OptionsDialog> options_;
};

// What the benchmarks report of the process.
namespace BenchMemory {
// Peak and current resident memory in MB (VmHWM, VmRSS).
double peakMb();
double currentMb();
} // namespace BenchMemory

// Time the GUI thread itself spent, in ms: unlike the wall clock it does not
// count the time other programs on the machine took.
double threadCpuMs();

} // namespace targello
