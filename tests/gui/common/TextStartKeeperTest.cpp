#include "gui/common/TextStartKeeper.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace targello;

namespace {

const QString LongName =
    QStringLiteral("Konfitura wiśniowa z babcinej spiżarni, słoik 300 g, bez konserwantów");

TEST(TextStartKeeper, ABoxNotBeingEditedShowsTheBeginningOfItsText) {
    TextStartKeeper keeper;
    qApp->installEventFilter(&keeper);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit;
    auto* other = new QLineEdit;
    auto* combo = new QComboBox;
    combo->setEditable(true);
    for (QWidget* w :
         {static_cast<QWidget*>(edit), static_cast<QWidget*>(other), static_cast<QWidget*>(combo)})
        layout->addWidget(w);
    edit->setText(LongName); // before the box was ever shown
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(edit->cursorPosition(), 0);
    other->setFocus();

    const struct {
        const char* how;
        std::function<void()> put;
        QLineEdit* box;
    } ways[] = {
        {"set by code", [&] { edit->setText(LongName + QStringLiteral(" 2")); }, edit},
        {"typed, then Tab",
         [&] {
             edit->setFocus();
             QTest::keyClick(edit, Qt::Key_End);
             QTest::keyClicks(edit, QStringLiteral(" i jeszcze"));
             EXPECT_NE(edit->cursorPosition(), 0); // while typing the caret follows the text
             QTest::keyClick(edit, Qt::Key_Tab);
         },
         edit},
        {"typed, then a click elsewhere",
         [&] {
             edit->setFocus();
             QTest::keyClick(edit, Qt::Key_End);
             QTest::keyClicks(edit, QStringLiteral("!"));
             other->setFocus(Qt::MouseFocusReason);
         },
         edit},
        {"a list's own box", [&] { combo->setEditText(LongName); }, combo->lineEdit()},
    };
    for (const auto& way : ways) {
        way.put();
        EXPECT_NE(QApplication::focusWidget(), way.box) << way.how;
        EXPECT_EQ(way.box->cursorPosition(), 0) << way.how;
    }
    qApp->removeEventFilter(&keeper);
}

} // namespace
