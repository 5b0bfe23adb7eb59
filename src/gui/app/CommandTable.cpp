#include "gui/app/CommandTable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace targello {
namespace {

struct ButtonRow {
    Command command;
    const char* name;
    const char* tooltip;
    Artwork::Glyph glyph;
};

// Left to right.
const ButtonRow Buttons[] = {
    {Command::NewProject, "SpeedButton39", "Nowy Projekt", Artwork::Glyph::NewProject},
    {Command::Wizard, "SpeedButton5", "Kreator nowego sklepu…", Artwork::Glyph::Wizard},
    {Command::OpenProject, "SpeedButton92", "Otworz projekt (Ctrl+O)", Artwork::Glyph::OpenProject},
    {Command::SaveProject, "SpeedButton93", "Zapisz projekt (Ctrl+Z)", Artwork::Glyph::SaveProject},
    {Command::ExportHtml, "SpeedButton2", "Zapisz do pliku HTML (Ctrl+H)", Artwork::Glyph::SaveHtml},
#ifdef TARGELLO_HAS_PUBLISH
    {Command::Publish, "OpublikujSklep", "Opublikuj sklep (Ctrl+Shift+P)", Artwork::Glyph::WebSite},
#endif
    {Command::InsertItem, "SpeedButton40", "Wstaw nową pozycję do sklepu (Ctrl+W)",
     Artwork::Glyph::InsertItem},
    {Command::RemoveItems, "SpeedButton4", "Usuń pozycję (Ctrl+U) ", Artwork::Glyph::RemoveItem},
    {Command::Preview, "SpeedButton18", "Podgląd (Ctrl+P)", Artwork::Glyph::Preview},
    {Command::Settings, "SpeedButton13", "Ustawienia", Artwork::Glyph::Settings},
    {Command::Cascade, "SpeedButton41", "Widok kaskada", Artwork::Glyph::Cascade},
    {Command::TileHorizontal, "SpeedButton36", "Widok poziomo", Artwork::Glyph::TileHorizontal},
    {Command::TileVertical, "SpeedButton38", "Widok pionowo", Artwork::Glyph::TileVertical},
    {Command::About, "SpeedButton15", "Informacje o programie", Artwork::Glyph::About},
    {Command::Help, "SpeedButton1", "Pomoc do programu", Artwork::Glyph::Help},
    {Command::WebSite, "SpeedButton3", "Odwiedź naszą stronę", Artwork::Glyph::WebSite},
    {Command::Exit, "SpeedButton14", "Zakończ program", Artwork::Glyph::Exit},
};

struct MenuRow {
    Command command;
    const char* name; // nullptr: a separator
    const char* caption;
    const char* shortcut; // alternatives separated by ";"
    const char* hint;
};

const MenuRow ProgramMenu[] = {
    {Command::About, "Informacjeoprogramie1", "Informacje o programie", "", ""},
    {Command::Help, "Pomocdoprogramu1", "Pomoc do programu", "F1", ""},
    {Command::Exit, "Zakocz1", "Zakończ", "", ""},
};

const MenuRow ProjectMenu[] = {
    {Command::NewProject, "Nowyprojekt1", "Nowy projekt", "Ctrl+N", "New|Create a new file"},
    {Command::Wizard, "Kreatornowegosklepu1", "Kreator nowego sklepu…", "", ""},
    {Command::OpenProject, "Otw1", "Otwórz projekt", "Ctrl+O", ""},
    {Command::SaveProject, "Zapiszprojekt1", "Zapisz projekt", "Ctrl+Z;Ctrl+S", ""},
    {Command::SaveProjectAs, "Zapiszprojektjako1", "Zapisz projekt jako…", "Ctrl+Shift+Z;Ctrl+Shift+S", ""},
    {Command::ExportHtml, "WygenerujsklepHTML1", "Wygeneruj sklep HTML", "Ctrl+H", ""},
#ifdef TARGELLO_HAS_PUBLISH
    {Command::Publish, "Opublikujsklep1", "Opublikuj sklep", "Ctrl+Shift+P",
     "Publish|Wysyła sklep na serwer: tylko pliki, które się zmieniły"},
    {Command::PublishSettings, "Ustawieniapublikacji1", "Ustawienia publikacji…", "", ""},
#endif
    {Command::Exit, nullptr, "", "", ""},
    {Command::InsertItem, "Wstawnowpozycj1", "Wstaw nową pozycję", "Ctrl+W", ""},
    {Command::RemoveItems, "UsupozycjCtrlU1", "Usuń pozycję", "Ctrl+U", ""},
    {Command::Preview, "Podgldprojektu1", "Podgląd projektu", "Ctrl+P", ""},
    {Command::Settings, "Ustawienia1", "Ustawienia", "", ""},
};

const MenuRow WindowMenu[] = {
    {Command::Cascade, "N11", "Kaskada", "", "Cascade"},
    {Command::TileHorizontal, "N21", "Poziomo", "", "Tile Horizontally"},
    {Command::TileVertical, "N31", "Pionowo", "", "Tile Vertically"},
};

const Command PageCommands[] = {Command::InsertItem,    Command::RemoveItems, Command::Settings,
                                Command::Preview,       Command::ExportHtml,  Command::SaveProject,
                                Command::SaveProjectAs, Command::Publish,     Command::PublishSettings};
const Command WindowCommands[] = {Command::Cascade, Command::TileHorizontal, Command::TileVertical};

// The status bar shows the long part of a hint: the text after "|".
QString statusText(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace

CommandTable::CommandTable(QMainWindow& window) : QObject(&window) {
    buildToolbar(window);
    buildMenus(window);
    setPageCommandsEnabled(false);
    setWindowCommandsEnabled(false);
}

void CommandTable::buildToolbar(QMainWindow& window) {
    auto* toolbar = new QToolBar(QStringLiteral("Narzędzia"), &window);
    toolbar->setObjectName(QStringLiteral("ToolBar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setFixedHeight(46);
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    window.addToolBar(Qt::TopToolBarArea, toolbar);
    for (const ButtonRow& row : Buttons) {
        auto* button = new QToolButton(toolbar);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setAutoRaise(true);
        button->setFixedSize(40, 40);
        button->setIcon(QIcon(QPixmap::fromImage(Artwork::glyph(row.glyph))));
        button->setIconSize(QSize(32, 32));
        const QString tip = QString::fromUtf8(row.tooltip);
        button->setToolTip(tip);
        button->setStatusTip(statusText(tip));
        button->setAccessibleName(tip.trimmed());
        button->setFocusPolicy(Qt::NoFocus);
        toolbar->addWidget(button);
        const Command command = row.command;
        connect(button, &QToolButton::clicked, this, [this, command] { run(command); });
        buttons_.insert(row.command, button);
    }
}

void CommandTable::buildMenus(QMainWindow& window) {
    auto addMenu = [&](const char* title, const char* name, const auto& rows) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(title));
        menu->setObjectName(QString::fromLatin1(name));
        for (const MenuRow& row : rows) {
            if (row.name == nullptr) {
                menu->addSeparator()->setObjectName(QStringLiteral("N1"));
                continue;
            }
            QAction* item = menu->addAction(QString::fromUtf8(row.caption));
            item->setObjectName(QString::fromLatin1(row.name));
            if (*row.shortcut != '\0') {
                QList<QKeySequence> keys;
                for (const QString& key : QString::fromLatin1(row.shortcut).split(QLatin1Char(';')))
                    keys.append(QKeySequence(key));
                item->setShortcuts(keys);
                item->setShortcutContext(Qt::ApplicationShortcut);
            }
            item->setStatusTip(statusText(QString::fromUtf8(row.hint)));
            const Command command = row.command;
            connect(item, &QAction::triggered, this, [this, command] { run(command); });
            menuItems_.insert(row.command, item);
        }
    };
    addMenu("&Program", "Program1", ProgramMenu);
    addMenu("Pro&jekt", "Projekt1", ProjectMenu);
    addMenu("&Widok", "Widok1", WindowMenu);
}

void CommandTable::setHandler(Command command, std::function<void()> handler) {
    handlers_.insert(command, std::move(handler));
}

void CommandTable::run(Command command) {
    // A shortcut reaches a disabled item only through a race with enabling;
    // the table, not the handler, decides what may run.
    if (QToolButton* b = buttons_.value(command); b != nullptr && !b->isEnabled())
        return;
    if (const auto handler = handlers_.value(command))
        handler();
}

void CommandTable::setPageCommandsEnabled(bool enabled) {
    for (Command command : PageCommands) {
        if (QToolButton* button = buttons_.value(command))
            button->setEnabled(enabled);
        // A build without publishing has no such items.
        if (QAction* item = menuItems_.value(command))
            item->setEnabled(enabled);
    }
}

void CommandTable::setWindowCommandsEnabled(bool enabled) {
    for (Command command : WindowCommands) {
        buttons_.value(command)->setEnabled(enabled);
        menuItems_.value(command)->setEnabled(enabled);
    }
}

} // namespace targello
