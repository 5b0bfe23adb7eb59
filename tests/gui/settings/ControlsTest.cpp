#include "OptionsFixture.h"
#include "gui/settings/UpDown.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace targello;

namespace {

// A desktop whose dialogs take the focus from the window that opened them,
// as real ones do, so that the window is activated again when they close.
class FocusTakingPlatform : public ScriptedPlatform {
public:
    QString openFileName(QWidget* owner, const QString& caption, const QString& filter,
                         const QString& start = {}) override {
        Deactivate(owner);
        return ScriptedPlatform::openFileName(owner, caption, filter, start);
    }
};

} // namespace

TEST(ColorBox, NamedColoursHavePolishNamesAndOthersShowAsCustom) {
    ColorBox box(nullptr);
    box.setColor(QColor(0x000080));
    EXPECT_EQ(box.currentText(), QStringLiteral("granatowy"));
    box.setColor(QColor(0xA6CAF0));
    EXPECT_EQ(box.currentText(), QStringLiteral("błękitny"));
    const int named = box.count();
    box.setColor(QColor(0x7986AA));
    EXPECT_EQ(box.currentText(), QStringLiteral("własny #7986AA"));
    EXPECT_EQ(box.count(), named + 1);
    box.setColor(Qt::white);
    EXPECT_EQ(box.currentText(), QStringLiteral("biały"));
    EXPECT_EQ(box.count(), named);
    EXPECT_EQ(box.itemText(box.count() - 1), QStringLiteral("Inny kolor…"));
}

TEST(ColorBox, OtherColourAsksTheColourDialogAndCancelKeepsTheColour) {
    std::optional<QColor> answer = QColor(1, 2, 3);
    ColorBox box([&answer](const QColor&) { return answer; });
    box.setColor(Qt::red);
    QList<QColor> picked;
    QObject::connect(&box, &ColorBox::colorPicked, [&picked](const QColor& c) { picked.append(c); });

    Choose(&box, box.count() - 1);
    EXPECT_EQ(ColorName(box.color()), QStringLiteral("#010203"));
    EXPECT_EQ(box.currentText(), QStringLiteral("własny #010203"));
    answer.reset();
    Choose(&box, box.count() - 1);
    EXPECT_EQ(ColorName(box.color()), QStringLiteral("#010203"));
    EXPECT_EQ(box.currentIndex(), 0);
    Choose(&box, box.findText(QStringLiteral("czerwony")));
    ASSERT_EQ(picked.size(), 2);
    EXPECT_EQ(ColorName(picked[1]), QStringLiteral("#FF0000"));
}

TEST(SpinEdit, ArrowsAndSetValueKeepTheRangeTypingDoesNot) {
    SpinEdit edit(0, 300);
    edit.setValue(500);
    EXPECT_EQ(edit.text(), QStringLiteral("300"));
    edit.setText(QStringLiteral("500"));
    EXPECT_EQ(edit.value(), 500);
    edit.showValue(500);
    EXPECT_EQ(edit.text(), QStringLiteral("500"));
    edit.stepBy(1);
    EXPECT_EQ(edit.text(), QStringLiteral("300"));
    edit.setValue(-4);
    EXPECT_EQ(edit.text(), QStringLiteral("0"));
    edit.stepBy(-1);
    EXPECT_EQ(edit.value(), 0);
    edit.setText(QStringLiteral(" 42 "));
    EXPECT_EQ(edit.typedValue(), 42);
    edit.setText(QString());
    EXPECT_FALSE(edit.typedValue());
    EXPECT_EQ(edit.value(), 0);
    QString letters = QStringLiteral("12a");
    int position = 0;
    EXPECT_EQ(edit.validate(letters, position), QValidator::Invalid);
}

TEST(UpDown, StaysWithinItsRangeWithoutWrapping) {
    UpDown arrows(0, 3);
    QList<int> clicks;
    QObject::connect(&arrows, &UpDown::clicked, [&clicks](int p) { clicks.append(p); });
    arrows.setPosition(3);
    arrows.stepUp();
    EXPECT_EQ(arrows.position(), 3);
    arrows.stepDown();
    arrows.setPosition(0);
    arrows.stepDown();
    EXPECT_EQ(arrows.position(), 0);
    EXPECT_EQ(clicks, QList<int>{2});
}

TEST_F(OptionsFixture, BannerButtonPutsAReadableFileIntoTheBannerBox) {
    newPage();
    dialog_->loadPageIntoOptions();
    auto* banner = find<QLineEdit>("LabeledEdit2");
    EXPECT_TRUE(banner->isReadOnly());
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString path = QDir::toNativeSeparators(app_.startPath(QStringLiteral("szyld.png")));
    ASSERT_TRUE(picture.save(path));
    app_.platform_.nextFileName.enqueue(path);
    find<QWidget>("Button1")->setFocus();
    qobject_cast<QAbstractButton*>(find<QWidget>("Button1"))->click();
    EXPECT_EQ(banner->text(), path);
    EXPECT_TRUE(find<QRadioButton>("RadioButton1")->isChecked()); // the header kind stays
    EXPECT_EQ(app_.editedSettings().Values.BannerPath, path.toStdString());

    app_.platform_.nextFileName.enqueue(app_.startPath(QStringLiteral("nie-ma.png")));
    qobject_cast<QAbstractButton*>(find<QWidget>("Button1"))->click();
    EXPECT_EQ(banner->text(), path);
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown()[0].text.contains(QStringLiteral("nie-ma.png")));
}

TEST(OptionsActivation, ComingBackFromItsOwnFileDialogKeepsTheEdits) {
    FocusTakingPlatform platform;
    struct App : SettingsTestApp {
        Platform* desktop = nullptr;
        Platform& platform() override { return *desktop; }
    } withDialogs;
    withDialogs.desktop = &platform;
    ASSERT_NE(withDialogs.newPage(), nullptr);
    OptionsDialog dialog(withDialogs, nullptr);
    dialog.show();
    auto* title = Find<QLineEdit>(&dialog, "LabeledEdit1");
    title->setText(QStringLiteral("Sklep Ani"));
    const QString path = QDir::toNativeSeparators(withDialogs.startPath(QStringLiteral("textury/nutki.jpg")));
    platform.nextFileName.enqueue(path);
    qobject_cast<QAbstractButton*>(Find<QWidget>(&dialog, "Button1"))->click();
    Activate(&dialog);
    EXPECT_EQ(title->text(), QStringLiteral("Sklep Ani"));
    EXPECT_EQ(Find<QLineEdit>(&dialog, "LabeledEdit2")->text(), path);

    // Turning to the dialog from elsewhere reloads it from the page.
    Deactivate(&dialog);
    Activate(&dialog);
    EXPECT_EQ(title->text(), QString());
}
