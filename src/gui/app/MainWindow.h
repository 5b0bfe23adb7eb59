#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/app/CommandTable.h"
#include "gui/common/AppContext.h"
#include "gui/settings/OptionsDialog.h"
#include "gui/workspace/PageWindow.h"

#include <QHash>
#include <QMainWindow>
#include <memory>

class QMdiArea;
class QMdiSubWindow;

namespace targello {

class AboutBox;
class Autosave;
class PictureCache;
class RecentMenu;
class RemovalDialog;
class StartScreen;
class Wizard;

// The multi-document frame: the toolbar and menus, one child window per open
// shop, and the dialogs that live as long as the program. It owns the open
// shops and the options dialog's working copy of their settings.
class PublishTools;

class MainWindow : public QMainWindow, public AppContext {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    ShopWorkspace& workspace() override { return workspace_; }
    EditedSettings& editedSettings() override { return edited_; }
    Platform& platform() override { return platform_; }
    QWidget* window() override { return this; }
    PageWindow* pageWindow(int slot) override;
    PageWindow* currentPageWindow() override;
    PageWindow* newPage() override;
    OptionsDialog& options() override;
    void pageFileChanged(ShopPage& page) override { showChangedMark(page.PageIndex()); }
    // Thumbnails of item pictures, shared by every page.
    PictureCache& pictures();

    CommandTable& commands() { return *commands_; }
    QMdiArea& mdiArea() { return *mdiArea_; }
    AboutBox& aboutBox();
    RemovalDialog& removalDialog();
    Wizard& wizard();
    QMdiSubWindow* subWindow(int slot) const { return subWindows_.value(slot); }
    Autosave& autosave() { return *autosave_; }
    RecentMenu& recentMenu() { return *recent_; }
    StartScreen& startScreen() { return *start_; }

    // At start-up, after the window shows: offers the pages a crashed run
    // left behind, then opens the projects named on the command line. A
    // file that is not a project is reported as "Otwórz projekt" reports
    // it, and the others still open.
    void startUp(const QStringList& projects);
    void openProjects(const QStringList& paths);

protected:
    // The close box and "Zakończ": each changed page asks first.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void pageEdited(int slot);
    void connectPublishing();
    void showChangedMark(int slot);
    // "Sklep 3", or "Sklep 3*" while the page has unsaved changes; with the
    // page's file beside it once it has one ("Sklep 3 — miód.esk*").
    static QString pageTitle(const ShopPage& page);
    bool mayCloseEveryPage();
    void connectCommands();
    void pageActivated(QMdiSubWindow* window);
    void pageDestroyed(int slot);
    void updateWindowCommands();
    void showRemovalDialog();
    void itemsRemoved();
    static void releaseInsertShortcut(QMdiSubWindow& window);

    Platform& platform_;
    ShopWorkspace workspace_;
    EditedSettings edited_ = EditedSettings::initial();
    std::unique_ptr<PictureCache> pictures_;
    QMdiArea* mdiArea_ = nullptr;
    CommandTable* commands_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    OptionsDialog* options_ = nullptr;
    RemovalDialog* removal_ = nullptr;
    Wizard* wizard_ = nullptr;
    Autosave* autosave_ = nullptr;
    RecentMenu* recent_ = nullptr;
    StartScreen* start_ = nullptr;
#ifdef TARGELLO_HAS_PUBLISH
    // Kept for the whole run: the passwords typed are asked once per run.
    std::unique_ptr<PublishTools> publishing_;
#endif
    QHash<int, QMdiSubWindow*> subWindows_;
    QHash<const QMdiSubWindow*, int> slots_; // the other way round, for activations
};

} // namespace targello
