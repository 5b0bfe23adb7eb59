#pragma once

#include <QObject>

class QMenu;

namespace targello {

class AppContext;

// "Ostatnio otwierane" in the "Projekt" menu: the last projects, filled each
// time the menu opens. A project whose file is gone is taken off the list
// with a message when chosen.
class RecentMenu : public QObject {
    Q_OBJECT
public:
    RecentMenu(AppContext& app, QMenu& projectMenu);

    QMenu& menu() { return *menu_; }
    // Fills the menu from the stored list; it runs as the menu opens.
    void refill();

    // Opens a project of the list (the start screen's too).
    void open(const QString& path);

signals:
    // A project from the list was opened.
    void opened();

private:
    AppContext& app_;
    QMenu* menu_;
};

} // namespace targello
