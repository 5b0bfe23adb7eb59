#pragma once

class QWidget;

namespace targello {

class ShopWorkspace;
struct EditedSettings;
class Platform;
class PageWindow;
class OptionsDialog;
class PictureCache;

// What commands and dialogs need of the running program. The main window is
// the one implementation; commands take it by reference instead of reaching
// for globals, so tests can drive them on a main window of their own.
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
    virtual PageWindow* pageWindow(int slot) = 0;
    // The window of the current page, or nullptr when no page is open.
    virtual PageWindow* currentPageWindow() = 0;
    // Runs "Nowy projekt": a new page window, shown and current, or nullptr
    // (after the limit message) when 100 pages are open.
    virtual PageWindow* newPage() = 0;

    // The options dialog; nullptr only in tests that run without one.
    virtual OptionsDialog* options() = 0;
    // Thumbnails of item pictures, shared by every page.
    virtual PictureCache& pictures() = 0;
};

} // namespace targello
