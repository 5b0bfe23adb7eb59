#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/app/AppContext.h"
#include "gui/platform/ScriptedPlatform.h"
#include "gui/workspace/PageWindow.h"
#include "gui/workspace/PictureCache.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace targello {

// The running program as the settings windows see it: a start directory of
// its own holding a copy of the textures, a scripted desktop, the working
// copy of the settings as at program start, and page windows of their own.
class SettingsTestApp : public AppContext {
public:
    SettingsTestApp();
    ~SettingsTestApp() override;

    ShopWorkspace& workspace() override { return *workspace_; }
    EditedSettings& editedSettings() override { return edited_; }
    Platform& platform() override { return platform_; }
    QWidget* window() override { return &owner_; }
    PageWindow* pageWindow(int slot) override;
    PageWindow* currentPageWindow() override;
    PageWindow* newPage() override;
    OptionsDialog* options() override { return options_; }
    PictureCache& pictures() override { return pictures_; }

    void setOptions(OptionsDialog* options) { options_ = options; }
    QString startDirectory() const { return start_.path(); }
    QString startPath(const QString& relative) const { return start_.filePath(relative); }

    ScriptedPlatform platform_;

private:
    QTemporaryDir start_;
    std::unique_ptr<ShopWorkspace> workspace_;
    EditedSettings edited_ = EditedSettings::initial();
    PictureCache pictures_;
    QWidget owner_;
    OptionsDialog* options_ = nullptr;
    std::map<int, std::unique_ptr<PageWindow>> windows_;
};

// The child of `root` named `name`; the test fails when there is none.
template <class T> T* Find(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Picks item `index` of a list as the user does.
void Choose(QComboBox* box, int index);

QString ColorName(const QColor& color);

// The colour the current page window paints at `point` of its page.
QColor PagePixel(AppContext& app, QPoint point);

// The window system makes `window` the active window, or takes that away.
void Activate(QWidget* window);
void Deactivate(QWidget* window);

} // namespace targello
