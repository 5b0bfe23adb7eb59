#include "PageFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace targello;

namespace {

class PageAccessibleTest : public PageFixture {
protected:
    QAccessibleInterface* surface() { return QAccessible::queryAccessibleInterface(&canvas()); }
    QAccessibleInterface* control(int k, ItemField field) {
        return surface()->child(k * ItemFieldCount + static_cast<int>(field));
    }
};

TEST_F(PageAccessibleTest, EveryItemIsListedPaintedOrLive) {
    openPage(30);
    ASSERT_NE(surface(), nullptr);
    EXPECT_EQ(surface()->childCount(), 30 * ItemFieldCount);

    QAccessibleInterface* liveName = control(0, ItemField::Name);
    ASSERT_NE(liveName, nullptr);
    EXPECT_EQ(liveName->object(), window_->findChild<PageCanvas*>()->existingEditor(0, ItemField::Name));
    EXPECT_EQ(liveName->text(QAccessible::Name), QStringLiteral("Nazwa produktu 1"));
    EXPECT_EQ(surface()->indexOfChild(liveName), static_cast<int>(ItemField::Name));

    QAccessibleInterface* paintedPrice = control(27, ItemField::Price);
    ASSERT_NE(paintedPrice, nullptr);
    EXPECT_EQ(paintedPrice->object(), nullptr);
    EXPECT_EQ(paintedPrice->text(QAccessible::Name), QStringLiteral("Cena produktu 28"));
    EXPECT_EQ(paintedPrice->text(QAccessible::Value), QStringLiteral("0,00"));
    EXPECT_EQ(paintedPrice->role(), QAccessible::EditableText);
    EXPECT_EQ(paintedPrice->parent(), surface());
    EXPECT_EQ(surface()->indexOfChild(paintedPrice),
              27 * ItemFieldCount + static_cast<int>(ItemField::Price));
    EXPECT_EQ(control(27, ItemField::Picture)->text(QAccessible::Name),
              QStringLiteral("Obrazek produktu 28"));
    EXPECT_EQ(control(27, ItemField::Description)->text(QAccessible::Name),
              QStringLiteral("Opis produktu 28"));
}

TEST_F(PageAccessibleTest, APaintedControlEditsItsItem) {
    openPage(30);
    control(25, ItemField::Name)->setText(QAccessible::Value, QStringLiteral("Czajnik"));
    EXPECT_EQ(page().Item(25).Name, "Czajnik");
    control(25, ItemField::Price)->setText(QAccessible::Value, QStringLiteral("dużo"));
    EXPECT_EQ(page().Item(25).Price, "0,00");
    EXPECT_EQ(platform().shown.size(), 1) << "the price check runs as for typing";
}

TEST_F(PageAccessibleTest, APaintedPictureCanAskForAFile) {
    openPage(30);
    QAccessibleActionInterface* actions = control(28, ItemField::Picture)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(platform().dialogs.size(), 1);
}

TEST_F(PageAccessibleTest, ObjectsOfRemovedItemsGoAway) {
    openPage(30);
    QAccessibleInterface* last = control(29, ItemField::Name);
    const QAccessible::Id id = QAccessible::uniqueId(last);
    page().RemoveItems(std::vector<bool>(30, true));
    page().LayoutItems(2);
    window_->relayout();
    EXPECT_EQ(surface()->childCount(), 0);
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

} // namespace
