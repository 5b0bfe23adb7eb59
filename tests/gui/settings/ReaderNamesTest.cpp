// What a screen reader hears of the settings windows: every control named
// by its label, the pickers as spin boxes, and a focus mark one can see.
#include "OptionsFixture.h"
#include "gui/settings/ThumbnailPicker.h"
#include "gui/settings/UpDown.h"
#include "gui/settings/Wizard.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

using namespace targello;

namespace {

QAccessibleInterface* objectOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// Controls a user can Tab to, without the parts Qt builds inside others.
QList<QWidget*> tabStops(QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() != nullptr)
            continue;
        bool inner = false;
        for (QWidget* up = widget->parentWidget(); up != nullptr && up != window; up = up->parentWidget())
            inner = inner || qobject_cast<QComboBox*>(up) != nullptr ||
                    qobject_cast<QAbstractItemView*>(up) != nullptr ||
                    qobject_cast<QAbstractSpinBox*>(up) != nullptr || up->inherits("targello::SpinEdit");
        if (!inner && qobject_cast<QTabWidget*>(widget) == nullptr && !widget->inherits("QTabBar"))
            stops.append(widget);
    }
    return stops;
}

void expectEveryStopNamed(QWidget* window) {
    const QList<QWidget*> stops = tabStops(window);
    EXPECT_GT(stops.size(), 20);
    for (QWidget* stop : stops) {
        QAccessibleInterface* object = objectOf(stop);
        ASSERT_NE(object, nullptr);
        EXPECT_FALSE(object->text(QAccessible::Name).trimmed().isEmpty())
            << stop->metaObject()->className() << " " << stop->objectName().toStdString();
        EXPECT_NE(object->role(), QAccessible::Client)
            << stop->objectName().toStdString() << " reads as a filler";
    }
}

TEST_F(OptionsFixture, ColourPickersAndListsAreNamedByTheirLabelsWithTheirValues) {
    newPage();
    const std::pair<const char*, const char*> named[] = {
        {"ColorBox1", "Wybierz kolor tła 1"}, {"ColorBox2", "Wybierz kolor tła 2"},
        {"ColorBox3", "Kolor Nagłówka"},      {"ColorBox4", "Kolor tła menu"},
        {"ColorBox5", "Kolor stopki"},        {"ColorBox6", "Kolor menu"},
        {"ComboBox1", "Układ kolumn"},        {"ComboBox2", "Styl układu produktów"}};
    for (const auto& [name, label] : named) {
        auto* box = find<QComboBox>(name);
        QAccessibleInterface* object = objectOf(box);
        EXPECT_EQ(object->text(QAccessible::Name), QString::fromUtf8(label)) << name;
        EXPECT_EQ(object->text(QAccessible::Value), box->currentText()) << name;
        EXPECT_EQ(object->role(), QAccessible::ComboBox);
    }
    EXPECT_EQ(objectOf(find<QComboBox>("ComboBox3"))->text(QAccessible::Value), QStringLiteral("kupuję"));
}

TEST_F(OptionsFixture, EveryControlOfTheOptionsAndTheWizardHasAName) {
    newPage();
    expectEveryStopNamed(dialog_);
    Wizard wizard(app_, nullptr);
    expectEveryStopNamed(&wizard);
}

TEST_F(OptionsFixture, ThePickersArrowsAreASpinBoxThatReadersCanSet) {
    newPage();
    auto* arrows = find<UpDown>("UpDown1");
    QAccessibleInterface* object = objectOf(arrows);
    EXPECT_EQ(object->role(), QAccessible::SpinBox);
    EXPECT_EQ(object->text(QAccessible::Name), QStringLiteral("Układ Strony"));
    EXPECT_EQ(objectOf(find<UpDown>("UpDown2"))->text(QAccessible::Name),
              QStringLiteral("Kolorystyka Strony"));
    QAccessibleValueInterface* value = object->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 2);
    EXPECT_EQ(value->maximumValue().toInt(), 3);
    value->setCurrentValue(0);
    EXPECT_EQ(arrows->position(), 0);
    EXPECT_EQ(object->text(QAccessible::Value), QStringLiteral("0"));
}

TEST_F(OptionsFixture, AFocusedPickerIsFramedInTheHighlightColour) {
    newPage();
    dialog_->show();
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_));
    auto* picker = qobject_cast<ThumbnailPicker*>(find<UpDown>("UpDown1")->parentWidget());
    ASSERT_NE(picker, nullptr);
    const QColor highlight = picker->palette().color(QPalette::Highlight);
    const auto band = [&] {
        const QImage shot = picker->grab().toImage();
        const QPoint corner = picker->image()->geometry().topLeft() - QPoint(2, 2);
        return QColor(shot.pixel(corner * shot.devicePixelRatio()));
    };
    find<QComboBox>("ComboBox3")->setFocus();
    EXPECT_NE(band(), highlight);
    picker->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(find<UpDown>("UpDown1")->hasFocus());
    EXPECT_EQ(band(), highlight);
    EXPECT_TRUE(objectOf(find<UpDown>("UpDown1"))->state().focused) << "the reader is told of the arrows";
}

} // namespace
