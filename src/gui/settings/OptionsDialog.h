#pragma once

#include "gui/common/OptionsEditor.h"

#include <QDialog>
#include <QImage>

class QTabWidget;

namespace targello {

class AppContext;
class SettingsControls;
class ShopWebFields;
class SellingPage;

// "Opcje": the editor of the current page's settings. It shows the
// application's working copy (EditedSettings), which every control edits
// directly; OK stores the copy in the current page. The dialog is modeless
// and lives as long as the program; its close box hides it and stores nothing.
class OptionsDialog : public QDialog, public OptionsEditor {
    Q_OBJECT
public:
    OptionsDialog(AppContext& app, QWidget* parent);
    ~OptionsDialog() override;

    // Fills the working copy and the controls from the current page; with no
    // page open it reads nothing. The texture and the style list stay as they are.
    void loadPageIntoOptions() override;
    // The user turned to another page: the working copy follows it at once,
    // the controls too while the dialog shows, otherwise when it shows next
    // (turning pages would otherwise redraw every picker and colour list).
    void followCurrentPage();
    // OK: stores the working copy in the current page, repaints its row bands,
    // lays its items out again and hides the dialog. Refused (false, nothing
    // stored, the dialog stays) when a picture size is not a whole number;
    // with no page open it only hides the dialog and returns false.
    bool applyOptionsToPage() override;
    bool applyValuesToPage(const EditedSettings& values) override;
    // Loads the picture at `path` as the current texture (the style presets,
    // the texture button and opening a project use it). On failure the error
    // is shown and the previous texture stays.
    bool loadTexture(const QString& path) override;
    // The 1200 × 150 strip tiled from the texture, for the page's row bands.
    const QImage& textureStrip() const override;

    SettingsControls& controls() { return *controls_; }

signals:
    // The working copy went into the current page.
    void optionsApplied();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Brings the controls in line with the working copy if a page turn left them behind.
    void catchUpControls();
    QWidget* styleTab();
    QWidget* headerTab();
    QWidget* productTab();
    QWidget* menuTab();
    QWidget* orderTab();

    AppContext& app_;
    SettingsControls* controls_;
    ShopWebFields* web_;
    SellingPage* selling_;
    QTabWidget* tabs_;
    bool controlsBehind_ = false;
};

} // namespace targello
