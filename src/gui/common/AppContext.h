#pragma once

class QWidget;

namespace targello {

class ShopPage;
class ShopWorkspace;
struct EditedSettings;
class Platform;
class PageView;
class OptionsEditor;

// What commands and dialogs need of the running program. The main window is
// the one implementation; commands take it by reference instead of reaching
// for globals, so tests can drive them on a stand-in of their own. The page
// windows and the options dialog appear here only as the small interfaces
// beside this one, so that no folder of the GUI has to include another's
// windows to use them.
class AppContext {
public:
    virtual ~AppContext() = default;

    virtual ShopWorkspace& workspace() = 0;
    // The options dialog's working copy; it outlives every page.
    virtual EditedSettings& editedSettings() = 0;
    virtual Platform& platform() = 0;
    // The owner of message boxes and dialogs.
    virtual QWidget* window() = 0;

    // The window of the page in `slot`, or nullptr.
    virtual PageView* pageWindow(int slot) = 0;
    // The window of the current page, or nullptr when no page is open.
    virtual PageView* currentPageWindow() = 0;
    // Runs "Nowy projekt": a new page window, shown and current, or nullptr
    // (after the limit message) when 100 pages are open.
    virtual PageView* newPage() = 0;

    // The options dialog; it lives as long as the program.
    virtual OptionsEditor& options() = 0;

    // The page now belongs to another file (opened or saved): its window's
    // caption names it.
    virtual void pageFileChanged(ShopPage& page) { static_cast<void>(page); }

protected:
    AppContext() = default;
    AppContext(const AppContext&) = default;
    AppContext& operator=(const AppContext&) = default;
};

} // namespace targello
