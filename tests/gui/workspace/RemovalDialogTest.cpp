#include "gui/workspace/RemovalDialog.h"

#include "MainWindowFixture.h"
#include "gui/workspace/PageWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace targello;

namespace {

class RemovalDialogTest : public MainWindowFixture {
protected:
    ShopPage& pageWithItems(int count) {
        window_->newPage();
        for (int k = 0; k < count; ++k)
            window_->currentPageWindow()->insertItem();
        return *window_->workspace().Current();
    }

    RemovalDialog& openDialog() {
        auto* remove = window_->findChild<QAction*>(QStringLiteral("UsupozycjCtrlU1"));
        remove->trigger();
        return window_->removalDialog();
    }

    QStringList lines() const {
        QStringList texts;
        QListWidget& list = window_->removalDialog().list();
        for (int k = 0; k < list.count(); ++k)
            texts.append(list.item(k)->text());
        return texts;
    }

    void check(int line) { window_->removalDialog().list().item(line)->setCheckState(Qt::Checked); }
};

TEST_F(RemovalDialogTest, CheckedItemsGoAndTheOthersCloseUpUnchanged) {
    ShopPage& page = pageWithItems(5);
    page.Item(2).Price = "12,50";
    page.Item(4).Description = "ostatni";
    RemovalDialog& dialog = openDialog();
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("1- Produkt 1"), QStringLiteral("2- Produkt 2"),
                                    QStringLiteral("3- Produkt 3"), QStringLiteral("4- Produkt 4"),
                                    QStringLiteral("5- Produkt 5")}));
    check(1);
    check(3);
    dialog.removeItems();
    ASSERT_EQ(page.ItemCount(), 3);
    EXPECT_EQ(page.Item(0).Name, "Produkt 1");
    EXPECT_EQ(page.Item(1).Name, "Produkt 3");
    EXPECT_EQ(page.Item(1).Price, "12,50");
    EXPECT_EQ(page.Item(2).Name, "Produkt 5");
    EXPECT_EQ(page.Item(2).Description, "ostatni");
    EXPECT_EQ(page.Item(1).X, 300);
    EXPECT_EQ(page.Item(2).Y, 150);
    EXPECT_FALSE(dialog.isVisible());

    // Numbers restart from 1 the next time.
    openDialog();
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("1- Produkt 1"), QStringLiteral("2- Produkt 3"),
                                    QStringLiteral("3- Produkt 5")}));
}

TEST_F(RemovalDialogTest, RemovingEverythingLetsNumberingStartAgain) {
    ShopPage& page = pageWithItems(3);
    RemovalDialog& dialog = openDialog();
    for (int k = 0; k < 3; ++k)
        check(k);
    dialog.removeItems();
    EXPECT_EQ(page.ItemCount(), 0);
    window_->currentPageWindow()->insertItem();
    EXPECT_EQ(page.Item(0).Name, "Produkt 1");
    EXPECT_EQ(page.Item(0).X, 0);
    EXPECT_EQ(page.Item(0).Y, 0);
}

TEST_F(RemovalDialogTest, NothingCheckedOnlyLaysOutAgainAndEmptyNamesAreListed) {
    ShopPage& page = pageWithItems(3);
    page.Item(2).Name.clear();
    page.Settings.ProductColumns = 1; // stored but not yet laid out
    RemovalDialog& dialog = openDialog();
    EXPECT_EQ(lines().last(), QStringLiteral("3- "));
    dialog.removeItems();
    EXPECT_EQ(page.ItemCount(), 3);
    EXPECT_EQ(page.Item(1).X, 0);
    EXPECT_EQ(page.Item(1).Y, 150);
}

TEST_F(RemovalDialogTest, APageClosedWhileTheDialogIsOpenLeavesTheOthersAlone) {
    ShopPage& other = pageWithItems(2);
    const int otherSlot = other.PageIndex();
    pageWithItems(2);
    RemovalDialog& dialog = openDialog();
    check(0);
    QMdiSubWindow* front = window_->subWindow(window_->workspace().CurrentPage());
    front->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_->workspace().ActivatePage(otherSlot);
    dialog.removeItems();
    EXPECT_EQ(window_->workspace().Page(otherSlot)->ItemCount(), 2);
}

TEST_F(RemovalDialogTest, ShowsTheItemsOfThePageInFrontWhenActivated) {
    pageWithItems(1);
    ShopPage& second = pageWithItems(2);
    RemovalDialog& dialog = openDialog();
    EXPECT_EQ(lines().size(), 2);
    window_->workspace().ActivatePage(0);
    dialog.fillList();
    EXPECT_EQ(lines().size(), 1);
    check(0);
    dialog.removeItems();
    EXPECT_EQ(window_->workspace().Page(0)->ItemCount(), 0);
    EXPECT_EQ(second.ItemCount(), 2);
}

TEST_F(RemovalDialogTest, TheFocusGoesToTheItemAfterTheLastRemovedOne) {
    // Which item, counted in the page that is left.
    EXPECT_EQ(RemovalDialog::ItemAfterRemoval({false, true, false, true, false}), 2);
    EXPECT_EQ(RemovalDialog::ItemAfterRemoval({true, true, false}), 0);
    EXPECT_EQ(RemovalDialog::ItemAfterRemoval({false, false, true}), 1) << "none after: the new last";
    EXPECT_EQ(RemovalDialog::ItemAfterRemoval({false, false}), -1) << "nothing removed";
    EXPECT_EQ(RemovalDialog::ItemAfterRemoval({true, true}), -1) << "nothing left";

    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ShopPage& page = pageWithItems(40);
    RemovalDialog& dialog = openDialog();
    check(30);
    check(33);
    dialog.removeItems();
    ASSERT_EQ(page.ItemCount(), 38);
    PageWindow* pageWindow = window_->currentPageWindow();
    // Once the page has settled in its frame.
    ASSERT_TRUE(
        QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr; }));
    auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(pageWindow->isAncestorOf(focus));
    EXPECT_EQ(focus->text(), QStringLiteral("Produkt 35"));
    const QRect shown(focus->parentWidget()->mapFrom(pageWindow->viewport(), QPoint(0, 0)),
                      pageWindow->viewport()->size());
    EXPECT_TRUE(shown.contains(focus->geometry()));
}

} // namespace
