#include "MainWindowFixture.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/platform/ScriptedPlatform.h"
#include "gui/settings/Wizard.h"
#include "gui/workspace/PageWindow.h"
#include "gui/workspace/RemovalDialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace targello;

namespace {

const char* const PageButtons[] = {"SpeedButton40", "SpeedButton4", "SpeedButton13", "SpeedButton18",
                                   "SpeedButton2",  "SpeedButton93",
#ifdef TARGELLO_HAS_PUBLISH
                                   "OpublikujSklep"
#endif
};
const char* const PageItems[] = {"Zapiszprojekt1",  "WygenerujsklepHTML1", "Wstawnowpozycj1",
                                 "UsupozycjCtrlU1", "Podgldprojektu1",     "Ustawienia1",
#ifdef TARGELLO_HAS_PUBLISH
                                 "Opublikujsklep1", "Ustawieniapublikacji1"
#endif
};
const char* const WindowControls[] = {"SpeedButton41", "SpeedButton36", "SpeedButton38", "N11", "N21", "N31"};

class MainWindowTest : public MainWindowFixture {
protected:
    MainWindowTest() { window_->show(); }

    bool enabled(const char* name) const {
        if (auto* button = window_->findChild<QToolButton*>(QString::fromLatin1(name)))
            return button->isEnabled();
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action != nullptr && action->isEnabled();
    }

    int openPages() const { return window_->workspace().PageCount(); }
};

TEST_F(MainWindowTest, AtStartOnlyTheCommandsThatNeedNoPageAreUsable) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Targello"));
    for (const char* name : PageButtons)
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : PageItems)
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : WindowControls)
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name :
         {"SpeedButton39", "SpeedButton92", "SpeedButton15", "SpeedButton1", "SpeedButton3", "SpeedButton14",
          "Nowyprojekt1", "Otw1", "Informacjeoprogramie1", "Pomocdoprogramu1", "Zakocz1"})
        EXPECT_TRUE(enabled(name)) << name;
    auto* wizard = window_->findChild<QToolButton*>(QStringLiteral("SpeedButton5"));
    ASSERT_NE(wizard, nullptr);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizard->accessibleName(), QStringLiteral("Kreator nowego sklepu…"));
    wizard->click();
    EXPECT_TRUE(window_->wizard().isVisible());
    window_->wizard().hide();
    auto* item = window_->findChild<QAction*>(QStringLiteral("Kreatornowegosklepu1"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Kreator nowego sklepu…"));
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_TRUE(window_->wizard().isVisible());
    auto* help = window_->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
    EXPECT_EQ(help->toolTip(), QStringLiteral("Pomoc do programu"));
    auto* remove = window_->findChild<QToolButton*>(QStringLiteral("SpeedButton4"));
    EXPECT_EQ(remove->toolTip(), QStringLiteral("Usuń pozycję (Ctrl+U) "));
}

TEST_F(MainWindowTest, PagesEnableThePageCommandsUntilTheLastOneCloses) {
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    ASSERT_EQ(openPages(), 2);
    EXPECT_EQ(shownCaption(0), QStringLiteral("Sklep 1"));
    EXPECT_EQ(shownCaption(1), QStringLiteral("Sklep 2"));
    EXPECT_EQ(window_->workspace().CurrentPage(), 1);
    for (const char* name : PageButtons)
        EXPECT_TRUE(enabled(name)) << name;
    for (const char* name : PageItems)
        EXPECT_TRUE(enabled(name)) << name;
    for (const char* name : WindowControls)
        EXPECT_TRUE(enabled(name)) << name;

    window_->subWindow(1)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openPages(), 1);
    EXPECT_TRUE(enabled("Wstawnowpozycj1"));
    window_->subWindow(0)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openPages(), 0);
    for (const char* name : PageItems)
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : WindowControls)
        EXPECT_FALSE(enabled(name)) << name;

    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    EXPECT_TRUE(enabled("SpeedButton40"));
    EXPECT_EQ(shownCaption(0), QStringLiteral("Sklep 1"));
}

TEST_F(MainWindowTest, ShortcutsRunTheirCommandsEvenFromAnEditor) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(openPages(), 1);
    QTest::keyClick(window_.get(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(window_->workspace().Current()->ItemCount(), 1);

    QWidget* name = window_->currentPageWindow()->editor(0, ItemField::Name);
    ASSERT_NE(name, nullptr);
    name->setFocus();
    // In a name box Ctrl+Z saves the project; it is not the box's undo.
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(platform_.dialogs.size(), 1);
    EXPECT_TRUE(platform_.dialogs.last().filter.contains(QStringLiteral("*.esk")));
    QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(platform_.dialogs.size(), 2);
    EXPECT_TRUE(platform_.dialogs.last().filter.contains(QStringLiteral("*.html")));
    QTest::keyClick(name, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(window_->workspace().Current()->ItemCount(), 2);
    QTest::keyClick(name, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(platform_.dialogs.size(), 3);
    QTest::keyClick(name, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(start_.filePath(QStringLiteral("temp.html"))));
    QTest::keyClick(window_.get(), Qt::Key_F1);
    EXPECT_TRUE(platform_.opened.last().endsWith(QStringLiteral("pomoc.html")));
    QTest::keyClick(name, Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(window_->removalDialog().isVisible());
}

TEST_F(MainWindowTest, LimitsShowTheirMessagesAndChangeNothing) {
    for (int k = 0; k < 100; ++k)
        window_->newPage();
    ASSERT_EQ(openPages(), 100);
    ASSERT_TRUE(platform_.shown.isEmpty());
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    EXPECT_EQ(openPages(), 100);
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_EQ(platform_.shown.last().kind, ScriptedPlatform::Kind::Message);
    EXPECT_EQ(platform_.shown.last().caption, QStringLiteral("Targello"));
    EXPECT_EQ(platform_.shown.last().text, QStringLiteral("Ilość projektów nie może przekraczać 100"));

    for (int k = 0; k < 100; ++k)
        ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    EXPECT_EQ(window_->workspace().Current()->ItemCount(), 100);
    ASSERT_EQ(platform_.shown.size(), 2);
    EXPECT_EQ(platform_.shown.last().text,
              QStringLiteral("Ilość pozycji w sklepie nie może przekraczać 100"));
}

TEST_F(MainWindowTest, RemovingFromAnEmptyPageSaysSo) {
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    ASSERT_NO_FATAL_FAILURE(trigger("UsupozycjCtrlU1"));
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_EQ(platform_.shown.last().text, QStringLiteral("Brak pozycji do usunięcia"));
}

TEST_F(MainWindowTest, HelpOpensThePageOfTheStartDirectoryAfterTheWorkingDirectoryMoved) {
    QFile help(start_.filePath(QStringLiteral("pomoc.html")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    ASSERT_NO_FATAL_FAILURE(trigger("Pomocdoprogramu1"));
    ASSERT_EQ(platform_.opened.size(), 1);
    EXPECT_EQ(QDir::cleanPath(platform_.opened.last()),
              QDir::cleanPath(start_.filePath(QStringLiteral("pomoc.html"))));
}

TEST_F(MainWindowTest, ActivatingAPageMakesItCurrent) {
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    window_->mdiArea().setActiveSubWindow(window_->subWindow(0));
    EXPECT_EQ(window_->workspace().CurrentPage(), 0);
    ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    EXPECT_EQ(window_->workspace().Page(0)->ItemCount(), 1);
    EXPECT_EQ(window_->workspace().Page(1)->ItemCount(), 0);
}

} // namespace
