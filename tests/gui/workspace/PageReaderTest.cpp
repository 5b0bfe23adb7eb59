// What a screen reader finds on a page of a hundred items: Qt's accessible
// objects, which the desktop's accessibility bus exports as they are.
#include "PageFixture.h"
#include "gui/workspace/ItemTexts.h"
#include "gui/workspace/PictureBox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPlainTextEdit>

using namespace targello;

namespace {

class PageReaderTest : public PageFixture {
protected:
    QAccessibleInterface* surface() { return QAccessible::queryAccessibleInterface(&canvas()); }
    QAccessibleInterface* control(int k, ItemField field) {
        return surface()->child(k * ItemFieldCount + static_cast<int>(field));
    }
    // What AT-SPI hands a reader as the text of an object.
    static QString readText(QAccessibleInterface* object) {
        QAccessibleTextInterface* text = object->textInterface();
        return text != nullptr ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
    }
    // The object a reader is told of when the focus moves: the focused control's.
    static QAccessibleInterface* focusedObject() {
        return QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    }

    void fillDescriptions() {
        for (int k = 0; k < page().ItemCount(); ++k) {
            page().Item(k).Name = "Miód gryczany " + std::to_string(k + 1);
            page().Item(k).Description = "Słoik " + std::to_string(k + 1) + "\r\nz pasieki";
        }
        window_->relayout();
        settle();
    }
};

TEST_F(PageReaderTest, EveryFieldOfAHundredItemsReadsFromTheModelWithoutScrolling) {
    openPage(100);
    fillDescriptions();
    const int widgetsBefore = static_cast<int>(QApplication::allWidgets().size());
    ASSERT_EQ(surface()->childCount(), 100 * ItemFieldCount);
    for (int k = 0; k < 100; ++k) {
        const QString n = QString::number(k + 1);
        QAccessibleInterface* name = control(k, ItemField::Name);
        QAccessibleInterface* price = control(k, ItemField::Price);
        QAccessibleInterface* description = control(k, ItemField::Description);
        QAccessibleInterface* picture = control(k, ItemField::Picture);
        EXPECT_EQ(name->text(QAccessible::Name), QStringLiteral("Nazwa produktu ") + n);
        EXPECT_EQ(readText(name), QStringLiteral("Miód gryczany ") + n);
        EXPECT_EQ(price->text(QAccessible::Name), QStringLiteral("Cena produktu ") + n);
        EXPECT_EQ(readText(price), QStringLiteral("0,00"));
        EXPECT_EQ(description->text(QAccessible::Name), QStringLiteral("Opis produktu ") + n);
        EXPECT_EQ(readText(description), QStringLiteral("Słoik ") + n + QStringLiteral("\nz pasieki"));
        EXPECT_EQ(description->role(), QAccessible::EditableText);
        EXPECT_TRUE(description->state().multiLine);
        EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("Obrazek produktu ") + n);
        EXPECT_EQ(picture->role(), QAccessible::Graphic) << "the same role in view and out of it";
        for (QAccessibleInterface* field : {name, price, description, picture}) {
            EXPECT_TRUE(field->state().focusable);
            EXPECT_EQ(field->parent(), surface());
        }
    }
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore) << "reading makes no controls";
    EXPECT_FALSE(control(0, ItemField::Description)->state().offscreen);
    EXPECT_TRUE(control(99, ItemField::Description)->state().offscreen);
}

TEST_F(PageReaderTest, APictureIsAnImageDescribedByItsFileWithTheActionThatChangesIt) {
    openPage(100);
    page().Item(97).PicturePath = "/zdjęcia/miód.jpg";
    for (int k : {0, 97}) {
        QAccessibleInterface* picture = control(k, ItemField::Picture);
        ASSERT_NE(picture->imageInterface(), nullptr) << k;
        EXPECT_EQ(picture->role(), QAccessible::Graphic);
        const QString expected =
            k == 0 ? QStringLiteral("Kliknij aby wczytać obrazek") : QStringLiteral("/zdjęcia/miód.jpg");
        EXPECT_EQ(picture->text(QAccessible::Description), expected) << k;
        EXPECT_EQ(picture->imageInterface()->imageDescription(), expected) << k;
        QAccessibleActionInterface* actions = picture->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        const qsizetype asked = platform().dialogs.size();
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(platform().dialogs.size(), asked + 1) << "the picture dialog, for item " << k;
    }
    EXPECT_NE(control(0, ItemField::Picture)->object(), nullptr) << "item 0 is in view, live";
    EXPECT_EQ(control(97, ItemField::Picture)->object(), nullptr) << "item 97 is painted";
}

TEST_F(PageReaderTest, EnterOrSpaceOnAFocusedPictureOpensTheDialog) {
    openPage(3);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    window_->editor(0, ItemField::Description)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* picture = qobject_cast<PictureBox*>(QApplication::focusWidget());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(canvas().editorPosition(picture), (ItemFieldRef{1, ItemField::Picture}));
    QAccessibleInterface* focused = focusedObject();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), QStringLiteral("Obrazek produktu 2"));
    EXPECT_EQ(focused->role(), QAccessible::Graphic);
    EXPECT_TRUE(focused->state().focused);

    QTest::keyClick(picture, Qt::Key_Return);
    EXPECT_EQ(platform().dialogs.size(), 1);
    QTest::keyClick(picture, Qt::Key_Space);
    EXPECT_EQ(platform().dialogs.size(), 2);
    QTest::keyClick(picture, Qt::Key_A);
    EXPECT_EQ(platform().dialogs.size(), 2);
}

TEST_F(PageReaderTest, TheReaderIsToldOfTheDescriptionBoxThatTakesTheFocus) {
    openPage(4);
    fillDescriptions();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    window_->editor(2, ItemField::Price)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(qobject_cast<QPlainTextEdit*>(QApplication::focusWidget()), nullptr);
    QAccessibleInterface* focused = focusedObject();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), QStringLiteral("Opis produktu 3"));
    EXPECT_EQ(focused->role(), QAccessible::EditableText);
    EXPECT_EQ(readText(focused), QStringLiteral("Słoik 3\nz pasieki"));
    EXPECT_EQ(surface()->indexOfChild(focused),
              2 * ItemFieldCount + static_cast<int>(ItemField::Description));
}

TEST_F(PageReaderTest, LongNamesShowTheirBeginningAfterALayout) {
    openPage(2);
    page().Item(0).Name = "Miód gryczany z pasieki pod lasem 400 g";
    window_->relayout();
    settle();
    QLineEdit* name = line(0, ItemField::Name);
    EXPECT_EQ(name->cursorPosition(), 0);
    // The caret sits where a short name's does: the text is not scrolled.
    const auto caretX = [](QLineEdit* box) {
        return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    EXPECT_EQ(caretX(name), caretX(line(1, ItemField::Name)));
}

} // namespace
