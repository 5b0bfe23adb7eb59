#pragma once

#include "gui/common/Artwork.h"

#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QToolButton;

namespace targello {

enum class Command {
    NewProject,
    OpenProject,
    SaveProject,
    ExportHtml,
    InsertItem,
    RemoveItems,
    Preview,
    Settings,
    Cascade,
    TileHorizontal,
    TileVertical,
    About,
    Help,
    WebSite,
    Exit,
    Wizard,
    SaveProjectAs,
    Publish,
    PublishSettings,
};

// The main window's toolbar buttons and menu items. A button and the menu
// item of the same command run one handler; the table decides names,
// captions, tooltips, shortcuts and which commands need an open page.
class CommandTable : public QObject {
    Q_OBJECT
public:
    explicit CommandTable(QMainWindow& window);

    void setHandler(Command command, std::function<void()> handler);
    // Insert, remove, settings, preview, export, publishing and both saves with their menu items.
    void setPageCommandsEnabled(bool enabled);
    // Cascade and the two tilings with their menu items.
    void setWindowCommandsEnabled(bool enabled);

    QToolButton* button(Command command) const { return buttons_.value(command); }
    QAction* menuItem(Command command) const { return menuItems_.value(command); }

private:
    void buildToolbar(QMainWindow& window);
    void buildMenus(QMainWindow& window);
    void run(Command command);

    QHash<Command, QToolButton*> buttons_;
    QHash<Command, QAction*> menuItems_;
    QHash<Command, std::function<void()>> handlers_;
};

} // namespace targello
