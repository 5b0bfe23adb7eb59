#include "PageFixture.h"
#include "gui/workspace/EditorPool.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

using namespace targello;

namespace {

// Pages in a multi-document area, as the main window holds them.
class PageActivityTest : public PageFixture {
protected:
    PageActivityTest() {
        area_.resize(900, 700);
        area_.show();
        area_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&area_));
    }
    ~PageActivityTest() override {
        for (QMdiSubWindow* window : area_.subWindowList())
            delete window;
    }

    PageWindow* addPage(int items) {
        ShopPage* page = app_.workspace().NewPage(app_.editedSettings().Values);
        auto* window = new PageWindow(app_, app_.pictures(), *page);
        canvasOf(window).editors().setClock([this] { return now_; });
        QMdiSubWindow* frame = area_.addSubWindow(window);
        frame->show();
        area_.setActiveSubWindow(frame);
        for (int k = 0; k < items; ++k)
            window->insertItem();
        return window;
    }

    static PageCanvas& canvasOf(PageWindow* window) { return *window->findChild<PageCanvas*>(); }
    // The pages' clock passes the settling time, and what waited for the
    // event loop or for that time is done.
    void letSettle() {
        now_ += EditorPool::SettleMs;
        QCoreApplication::processEvents();
        for (QMdiSubWindow* frame : area_.subWindowList())
            canvasOf(qobject_cast<PageWindow*>(frame->widget())).flush();
    }

    QMdiArea area_;
    qint64 now_ = 0;
};

TEST_F(PageActivityTest, OnlyTheActivePageKeepsLiveControls) {
    PageWindow* first = addPage(4);
    PageWindow* second = addPage(4);
    letSettle();
    EXPECT_EQ(canvasOf(first).existingEditor(0, ItemField::Name), nullptr);
    EXPECT_NE(canvasOf(second).existingEditor(0, ItemField::Name), nullptr);

    area_.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    EXPECT_EQ(canvasOf(first).existingEditor(0, ItemField::Name), nullptr) << "not before the page settles";
    letSettle();
    EXPECT_NE(canvasOf(first).existingEditor(0, ItemField::Name), nullptr);
    EXPECT_EQ(canvasOf(second).existingEditor(0, ItemField::Name), nullptr);
}

TEST_F(PageActivityTest, APageSettlesWhenItHasBeenActiveForTheSettlingTime) {
    PageWindow* first = addPage(2);
    PageWindow* second = addPage(2);
    PageCanvas& canvas = canvasOf(first);
    area_.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    now_ += EditorPool::SettleMs - 1;
    canvas.flush();
    EXPECT_FALSE(canvas.settled());
    EXPECT_EQ(canvas.existingEditor(0, ItemField::Name), nullptr);
    now_ += 1;
    canvas.flush();
    EXPECT_TRUE(canvas.settled());
    EXPECT_NE(canvas.existingEditor(0, ItemField::Name), nullptr);
    EXPECT_FALSE(canvasOf(second).settled()) << "an inactive page never settles";
}

TEST_F(PageActivityTest, ClickingAPaintedBoxTypesIntoIt) {
    PageWindow* page = addPage(2);
    PageCanvas& canvas = canvasOf(page);
    ASSERT_EQ(canvas.existingEditor(1, ItemField::Name), nullptr);
    const QRect name = canvas.fieldRect(1, ItemField::Name);
    // Between "Produkt" and " 2": the caret lands where the user clicked.
    const QPoint click(name.left() + 4 +
                           QFontMetrics(canvas.font()).horizontalAdvance(QStringLiteral("Produkt")),
                       name.center().y());
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, click);
    auto* box = qobject_cast<QLineEdit*>(canvas.existingEditor(1, ItemField::Name));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("X"));
    EXPECT_EQ(app_.workspace().Page(page->page().PageIndex())->Item(1).Name, "ProduktX 2");
}

TEST_F(PageActivityTest, ClickingAPaintedDescriptionMakesItsBox) {
    PageWindow* page = addPage(1);
    PageCanvas& canvas = canvasOf(page);
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier,
                      canvas.fieldRect(0, ItemField::Description).center());
    auto* box = qobject_cast<QPlainTextEdit*>(canvas.existingEditor(0, ItemField::Description));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->geometry(), canvas.fieldRect(0, ItemField::Description));
}

TEST_F(PageActivityTest, FocusOnThePageGoesToABox) {
    PageWindow* page = addPage(3);
    page->setFocus(Qt::OtherFocusReason);
    // A key pressed before the page has settled still reaches the name of
    // the item inserted last, which was to have the focus, and names it.
    QTest::keyClicks(page, QStringLiteral("Z"));
    EXPECT_EQ(page->page().Item(2).Name, "Z");
    EXPECT_EQ(canvasOf(page).editorPosition(QApplication::focusWidget())->item, 2);

    page->editor(2, ItemField::Price)->setFocus(Qt::OtherFocusReason);
    page->setFocus(Qt::OtherFocusReason);
    letSettle();
    const auto focus = canvasOf(page).editorPosition(QApplication::focusWidget());
    ASSERT_TRUE(focus.has_value()) << "focus comes back to the box that had it";
    EXPECT_EQ(focus->item, 2);
    EXPECT_EQ(focus->field, ItemField::Price);
}

} // namespace
