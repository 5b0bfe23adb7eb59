#include "gui/app/MainWindow.h"

#include "core/settings/PathRules.h"
#include "gui/app/AboutBox.h"
#include "gui/app/AppCommands.h"
#include "gui/app/Autosave.h"
#include "gui/app/PageClosing.h"
#include "gui/app/RecentMenu.h"
#include "gui/app/RecoveryOffer.h"
#include "gui/app/ShortcutFilter.h"
#include "gui/app/StartScreen.h"
#include "gui/common/Artwork.h"
#include "gui/common/TextStartKeeper.h"
#include "gui/generator/GeneratorCommands.h"
#include "gui/platform/Platform.h"
#include "gui/project/ProjectCommands.h"
#ifdef TARGELLO_HAS_PUBLISH
#include "gui/publish/PublishCommands.h"
#include "gui/publish/PublishTools.h"
#endif
#include "gui/project/RecentProjectList.h"
#include "gui/settings/Wizard.h"
#include "gui/workspace/PictureCache.h"
#include "gui/workspace/RemovalDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>

namespace targello {

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform),
      workspace_(QDir::toNativeSeparators(QDir::currentPath()).toStdString()) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Targello"));
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::programIcon(64))));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(249, 254, 255));
    setPalette(background);

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIArea"));
    mdiArea_->setBackground(QBrush(QPixmap::fromImage(Artwork::backgroundTile())));
    setCentralWidget(mdiArea_);
    commands_ = new CommandTable(*this);
    autosave_ = new Autosave(*this, Autosave::defaultFolder(), this);
    recent_ = new RecentMenu(*this, *findChild<QMenu*>(QStringLiteral("Projekt1")));
    start_ = new StartScreen(*mdiArea_->viewport());
    setAcceptDrops(true);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    // The dialogs are built when first needed (the options with the first
    // page), in a few milliseconds each. Built at start, even from a zero
    // timer, they ran before the window's first paint and kept the user
    // waiting for dialogs that many sessions never open.

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::pageActivated);
    connectCommands();
    connect(start_, &StartScreen::wizardChosen, commands_->menuItem(Command::Wizard), &QAction::trigger);
    connect(start_, &StartScreen::emptyShopChosen, commands_->menuItem(Command::NewProject),
            &QAction::trigger);
    connect(start_, &StartScreen::openChosen, commands_->menuItem(Command::OpenProject), &QAction::trigger);
    connect(start_, &StartScreen::sampleChosen, this, [this] { OpenSampleShop(*this); });
    connect(start_, &StartScreen::recentChosen, recent_, &RecentMenu::open);
    QList<QKeySequence> shortcuts;
    for (Command command : {Command::NewProject, Command::OpenProject, Command::SaveProject,
                            Command::SaveProjectAs, Command::ExportHtml, Command::InsertItem,
                            Command::RemoveItems, Command::Preview, Command::Help, Command::Publish})
        if (QAction* item = commands_->menuItem(command))
            shortcuts.append(item->shortcuts());
    qApp->installEventFilter(new ShortcutFilter(shortcuts, this));
    qApp->installEventFilter(new TextStartKeeper(this));
}

MainWindow::~MainWindow() {
    // Page windows refer to their pages: close them while the workspace lives.
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        delete window;
}

PageWindow* MainWindow::pageWindow(int slot) {
    QMdiSubWindow* window = subWindows_.value(slot);
    return window != nullptr ? qobject_cast<PageWindow*>(window->widget()) : nullptr;
}

PageWindow* MainWindow::currentPageWindow() {
    return pageWindow(workspace_.CurrentPage());
}

OptionsDialog& MainWindow::options() {
    if (options_ == nullptr) {
        options_ = new OptionsDialog(*this, this);
        connect(options_, &OptionsDialog::optionsApplied, this,
                [this] { pageEdited(workspace_.CurrentPage()); });
    }
    return *options_;
}

AboutBox& MainWindow::aboutBox() {
    if (aboutBox_ == nullptr)
        aboutBox_ = new AboutBox(platform_, this);
    return *aboutBox_;
}

Wizard& MainWindow::wizard() {
    if (wizard_ == nullptr)
        wizard_ = new Wizard(*this, this);
    return *wizard_;
}

RemovalDialog& MainWindow::removalDialog() {
    if (removal_ == nullptr) {
        removal_ = new RemovalDialog(*this, this);
        connect(removal_, &RemovalDialog::itemsRemoved, this, &MainWindow::itemsRemoved);
    }
    return *removal_;
}

PictureCache& MainWindow::pictures() {
    // Made with the first page: its placeholder pictures cost a tenth of the
    // time to the first paint, and no page is open then.
    if (pictures_ == nullptr)
        pictures_ = std::make_unique<PictureCache>();
    return *pictures_;
}

PageWindow* MainWindow::newPage() {
    ShopPage* page = workspace_.NewPage(edited_.Values);
    if (page == nullptr) {
        platform_.showMessage(this, QString::fromUtf8(PageLimitMessage));
        return nullptr;
    }
    const int slot = page->PageIndex();
    auto* pageWindow = new PageWindow(*this, pictures(), *page);
    auto* window = mdiArea_->addSubWindow(pageWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(pageTitle(*page));
    window->installEventFilter(this);
    window->setWindowIcon(windowIcon());
    releaseInsertShortcut(*window);
    subWindows_.insert(slot, window);
    slots_.insert(window, slot);
    // The page goes when its window has gone, never before.
    connect(pageWindow, &QObject::destroyed, this, [this, slot] { pageDestroyed(slot); });
    connect(pageWindow, &PageWindow::edited, this, [this, slot] { pageEdited(slot); });
    commands_->setPageCommandsEnabled(true);
    window->show();
    mdiArea_->setActiveSubWindow(window);
    workspace_.ActivatePage(slot);
    updateWindowCommands();
    return pageWindow;
}

void MainWindow::releaseInsertShortcut(QMdiSubWindow& window) {
    // On this desktop a child window closes with Ctrl+W, which is the
    // program's "Wstaw nową pozycję"; the child keeps Ctrl+F4 as on Windows.
    if (QMenu* menu = window.systemMenu()) {
        for (QAction* action : menu->actions())
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    }
}

void MainWindow::pageActivated(QMdiSubWindow* window) {
    updateWindowCommands();
    if (window == nullptr)
        return;
    const int slot = slots_.value(window, -1);
    if (slot < 0)
        return;
    workspace_.ActivatePage(slot);
    options().followCurrentPage();
}

void MainWindow::pageDestroyed(int slot) {
    slots_.remove(subWindows_.value(slot));
    subWindows_.remove(slot);
    if (ShopPage* page = workspace_.Page(slot))
        autosave_->forget(*page);
    workspace_.ClosePage(slot);
    if (!workspace_.PageCommandsEnabled())
        commands_->setPageCommandsEnabled(false);
    updateWindowCommands();
}

void MainWindow::showRemovalDialog() {
    const ShopPage* page = workspace_.Current();
    if (page == nullptr || page->ItemCount() == 0) {
        platform_.showMessage(this, QString::fromUtf8(NothingToRemoveMessage));
        return;
    }
    RemovalDialog& removal = removalDialog();
    removal.show();
    removal.raise();
    removal.activateWindow();
    removal.fillList();
}

void MainWindow::itemsRemoved() {
    // The options show the page as it now is, and storing them lays the
    // remaining items out again on the page's grid.
    options().loadPageIntoOptions();
    options().applyOptionsToPage();
}

void MainWindow::updateWindowCommands() {
    commands_->setWindowCommandsEnabled(!subWindows_.isEmpty());
    // The start screen comes back with the last page closed, with the list as it now is.
    if (subWindows_.isEmpty() && !start_->isVisible())
        start_->showRecent(RecentProjectPaths());
    start_->setVisible(subWindows_.isEmpty());
}

void MainWindow::connectCommands() {
    CommandTable& c = *commands_;
    c.setHandler(Command::NewProject, [this] { newPage(); });
    c.setHandler(Command::InsertItem, [this] {
        if (PageWindow* page = currentPageWindow())
            page->insertItem();
    });
    c.setHandler(Command::Settings, [this] {
        options().show();
        options().raise();
        options().activateWindow();
    });
    c.setHandler(Command::Cascade, [this] { mdiArea_->cascadeSubWindows(); });
    c.setHandler(Command::TileHorizontal, [this] { TileHorizontally(*mdiArea_); });
    c.setHandler(Command::TileVertical, [this] { TileVertically(*mdiArea_); });
    c.setHandler(Command::About, [this] {
        aboutBox().show();
        aboutBox().raise();
    });
    c.setHandler(Command::Help, [this] { ShowHelp(*this); });
    c.setHandler(Command::WebSite,
                 [this] { platform_.openInShell(QString::fromLatin1(AboutBox::WebAddress)); });
    c.setHandler(Command::Exit, [this] { close(); });
    c.setHandler(Command::Wizard, [this] {
        wizard().show();
        wizard().raise();
        wizard().activateWindow();
    });
    c.setHandler(Command::RemoveItems, [this] { showRemovalDialog(); });
    using Save = bool (*)(AppContext&, ShopPage&);
    for (const std::pair<Command, Save>& row :
         {std::pair{Command::SaveProject, &SavePage}, std::pair{Command::SaveProjectAs, &SavePageAs}}) {
        const Save save = row.second;
        c.setHandler(row.first, [this, save] {
            ShopPage* page = workspace_.Current();
            if (page == nullptr || !save(*this, *page))
                return;
            autosave_->dropCopy(*page);
            showChangedMark(page->PageIndex());
        });
    }
    c.setHandler(Command::OpenProject, [this] { OpenProject(*this); });
    c.setHandler(Command::Preview, [this] { PreviewShop(*this); });
    c.setHandler(Command::ExportHtml, [this] { ExportShop(*this); });
    connectPublishing();
}

void MainWindow::connectPublishing() {
#ifdef TARGELLO_HAS_PUBLISH
    publishing_ = PublishTools::ForDesktop(platform_);
    // The connection dialog changes the project: its caption and recovery copy follow.
    auto run = [this](auto command) {
        return [this, command] {
            command(*this, *publishing_);
            if (const ShopPage* page = workspace_.Current())
                pageEdited(page->PageIndex());
        };
    };
    commands_->setHandler(Command::Publish, run(&PublishShop));
    commands_->setHandler(Command::PublishSettings, run(&EditPublishSettings));
#endif
}

} // namespace targello

namespace targello {

void MainWindow::pageEdited(int slot) {
    ShopPage* page = workspace_.Page(slot);
    if (page == nullptr)
        return;
    showChangedMark(slot);
    if (page->Changed())
        autosave_->edited(*page);
}

void MainWindow::showChangedMark(int slot) {
    const ShopPage* page = workspace_.Page(slot);
    QMdiSubWindow* window = subWindows_.value(slot);
    // Every keystroke passes here: a sub-window given its unchanged title
    // still lays out and repaints its title bar.
    if (window == nullptr || page == nullptr)
        return;
    if (const QString title = pageTitle(*page); window->windowTitle() != title)
        window->setWindowTitle(title);
}

QString MainWindow::pageTitle(const ShopPage& page) {
    // The mark is part of the title itself, not Qt's "[*]" placeholder:
    // Qt's accessibility drops the placeholder, and a screen reader would
    // never hear that the page has unsaved changes.
    // The file's name beside the caption tells two pages apart by their projects.
    QString title = QString::fromStdString(page.Caption());
    if (!page.ProjectPath().empty())
        title += QStringLiteral(" — ") +
                 QString::fromStdString(PathRules(NativePathStyle()).FileName(page.ProjectPath()));
    return page.Changed() ? title + QLatin1Char('*') : title;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        auto* window = qobject_cast<QMdiSubWindow*>(watched);
        const int slot = slots_.value(window, -1);
        ShopPage* page = workspace_.Page(slot);
        if (page != nullptr && !MayClosePage(*this, *page, *autosave_)) {
            event->ignore();
            showChangedMark(slot);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::mayCloseEveryPage() {
    for (int slot : workspace_.ChangedPages()) {
        ShopPage* page = workspace_.Page(slot);
        if (page == nullptr)
            continue;
        // The user sees the page the question is about.
        if (QMdiSubWindow* window = subWindows_.value(slot))
            mdiArea_->setActiveSubWindow(window);
        const bool mayClose = MayClosePage(*this, *page, *autosave_);
        showChangedMark(slot);
        if (!mayClose)
            return false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayCloseEveryPage()) {
        event->ignore();
        return;
    }
    // A clean end: nothing is left to recover.
    autosave_->finish();
    event->accept();
}

namespace {

QStringList projectFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr)
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".esk"), Qt::CaseInsensitive))
            files.append(url.toLocalFile());
    return files;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!projectFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList files = projectFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Opening shows messages: the drag has to end first.
    QTimer::singleShot(0, this, [this, files] { openProjects(files); });
}

void MainWindow::openProjects(const QStringList& paths) {
    for (const QString& path : paths)
        OpenProjectFile(*this, path);
}

void MainWindow::startUp(const QStringList& projects) {
    // Read after the first paint: the preferences would delay the window.
    start_->showRecent(RecentProjectPaths());
    OfferRecovery(*this, *autosave_);
    for (int slot : workspace_.ChangedPages())
        showChangedMark(slot);
    openProjects(projects);
}

} // namespace targello
