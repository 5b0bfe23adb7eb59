#include "gui/settings/Wizard.h"

#include "SettingsTestApp.h"
#include "core/project/PageToProject.h"
#include "gui/settings/ColorBox.h"
#include "gui/settings/FileChecks.h"
#include "gui/settings/LinkGrid.h"
#include "gui/settings/SettingsControls.h"
#include "gui/settings/SpinEdit.h"
#include "gui/settings/UpDown.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace targello;

class WizardFixture : public ::testing::Test {
protected:
    WizardFixture() : wizard_(app_, nullptr) {}

    template <class T> T* find(const char* name) { return Find<T>(&wizard_, name); }
    QString color(int box) {
        return ColorName(
            find<ColorBox>(QStringLiteral("ColorBox%1").arg(box).toLatin1().constData())->color());
    }
    void press(const char* name) { find<QPushButton>(name)->click(); }
    // The one step page shown, 1 to 5, or 0 when not exactly one is.
    int shownStep() {
        int shown = 0;
        for (int step = 1; step <= Wizard::StepCount; ++step)
            if (wizard_.isStepPageVisible(step))
                shown = shown == 0 ? step : -1;
        auto* tabs = wizard_.findChild<QTabWidget*>();
        if (shown <= 0 || tabs->currentIndex() != shown - 1 || !tabs->isTabVisible(shown - 1))
            return 0;
        return shown;
    }

    SettingsTestApp app_;
    Wizard wizard_;
};

TEST_F(WizardFixture, StartsOnStepOneWithItsOwnValues) {
    EXPECT_EQ(wizard_.objectName(), QStringLiteral("Kreator"));
    EXPECT_EQ(wizard_.windowTitle(), QStringLiteral("Kreator"));
    EXPECT_EQ(wizard_.wizardStep(), 1);
    EXPECT_EQ(shownStep(), 1);
    auto* tabs = wizard_.findChild<QTabWidget*>();
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Krok pierwszy - Szablon strony"));
    EXPECT_EQ(tabs->tabText(4), QStringLiteral("Końcowe ustawienia"));
    EXPECT_EQ(color(1), QStringLiteral("#FFFBF0"));
    EXPECT_EQ(color(2), QStringLiteral("#EEEDF8"));
    EXPECT_EQ(color(3), QStringLiteral("#FFFBF0"));
    EXPECT_EQ(color(4), QStringLiteral("#000080"));
    EXPECT_EQ(color(5), QStringLiteral("#FFFBF0"));
    EXPECT_EQ(color(6), QStringLiteral("#A6CAF0"));
    for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"})
        EXPECT_EQ(find<QComboBox>(list)->currentIndex(), -1) << list;
    EXPECT_EQ(find<QComboBox>("ComboBox3")->currentText(), QString());
    EXPECT_EQ(find<QComboBox>("ComboBox3")->count(), 7);
    EXPECT_EQ(find<UpDown>("UpDown1")->position(), 2);
    EXPECT_EQ(find<UpDown>("UpDown2")->position(), 0);
    EXPECT_TRUE(find<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(find<SpinEdit>("CSpinEdit1")->text(), QStringLiteral("0"));
    EXPECT_EQ(find<SpinEdit>("CSpinEdit1")->maximum(), 100);
    EXPECT_EQ(find<SpinEdit>("CSpinEdit2")->text(), QStringLiteral("133"));
    EXPECT_EQ(find<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("94"));
    EXPECT_EQ(find<QWidget>("Button3")->toolTip(), QStringLiteral("Wstaw grafikę (baner firmy)"));
    EXPECT_EQ(find<QPushButton>("Button14")->text(), QStringLiteral("Wstaw Link"));
    EXPECT_EQ(find<LinkGrid>("StringGrid1")->horizontalHeaderItem(0)->text(), QString());
}

TEST_F(WizardFixture, WalksForwardAndBackOneStepAtATime) {
    wizard_.show();
    press("Dalej1");
    press("Dalej2");
    press("Dalej3");
    EXPECT_EQ(wizard_.wizardStep(), 4);
    EXPECT_EQ(shownStep(), 4);
    press("Wstecz4");
    EXPECT_EQ(wizard_.wizardStep(), 3);
    EXPECT_EQ(shownStep(), 3);
    press("Dalej3");
    press("Dalej4");
    EXPECT_EQ(shownStep(), 5);
    press("Wstecz5");
    EXPECT_EQ(shownStep(), 4);
}

TEST_F(WizardFixture, CancelHidesAndShowingAgainStartsOverWithTheValuesKept) {
    ASSERT_NE(app_.newPage(), nullptr);
    const ShopSettings page = app_.workspace().Current()->Settings;
    wizard_.show();
    Activate(&wizard_);
    press("Dalej1");
    find<QLineEdit>("LabeledEdit1")->setText(QStringLiteral("Sklep Ani"));
    press("Dalej2");
    Choose(find<QComboBox>("ComboBox2"), 11);
    press("Anuluj3");
    EXPECT_FALSE(wizard_.isVisible());

    wizard_.show();
    Activate(&wizard_);
    EXPECT_EQ(wizard_.wizardStep(), 1);
    EXPECT_EQ(shownStep(), 1);
    EXPECT_EQ(find<QLineEdit>("LabeledEdit1")->text(), QStringLiteral("Sklep Ani"));
    EXPECT_EQ(color(1), QStringLiteral("#DACFBC"));
    EXPECT_EQ(wizard_.values().Values.ProductColumns, 4);
    // Nothing of it reached the page or the options' working copy.
    EXPECT_EQ(app_.workspace().Current()->Settings, page);
    EXPECT_EQ(app_.editedSettings().Values, EditedSettings::initial().Values);
}

namespace {

// What a trader chooses for a shop, made in either window: every value in
// which a new page and the wizard begin differently.
void MakeChoices(const SettingsWidgets& w) {
    const char* colours[] = {"#102030", "#405060", "#708090", "#A0B0C0", "#D0E0F0", "#FFEEDD"};
    for (std::size_t k = 0; k < 6; ++k)
        emit w.colors[k]->colorPicked(QColor(QString::fromLatin1(colours[k])));
    w.textHeader->setChecked(true);
    w.shopTitle->setText(QStringLiteral("Spiżarnia Zosi"));
    w.orderEmail->setText(QStringLiteral("zosia@spizarnia.pl"));
    Choose(w.columns, 2);
    w.basketCaption->setEditText(QStringLiteral("do koszyka"));
    w.modernPage->setChecked(true);
    w.invoiceOnly->setChecked(true);
    w.pictureWidth->setText(QStringLiteral("150"));
}

} // namespace

TEST_F(WizardFixture, FinishMakesTheProjectThatTheOptionsDialogMakesByHand) {
    // By hand in a program of its own: "Nowy projekt", the options, OK, and "Wstaw" three times.
    SettingsTestApp byHand;
    PageWindow* window = byHand.newPage();
    ASSERT_NE(window, nullptr);
    OptionsDialog& options = byHand.options();
    options.loadPageIntoOptions();
    MakeChoices(options.controls().widgets());
    Find<QPushButton>(&options, "OKButton")->click();
    for (int k = 0; k < 3; ++k)
        window->insertItem();

    wizard_.show();
    MakeChoices(wizard_.controls().widgets());
    find<SpinEdit>("CSpinEdit1")->setText(QStringLiteral("3"));
    press("Zakoncz");
    EXPECT_FALSE(wizard_.isVisible());
    ASSERT_EQ(app_.workspace().PageCount(), 1);
    const ShopPage& made = *app_.workspace().Current();
    ASSERT_EQ(made.ItemCount(), 3);
    EXPECT_EQ(made.Item(2).Name, "Produkt 3");
    EXPECT_TRUE(made.Settings.ModernPage);
    EXPECT_EQ(*ProjectBytesFromPage(made).Value, *ProjectBytesFromPage(*byHand.workspace().Current()).Value);
    EXPECT_TRUE(app_.platform_.shown.isEmpty());
}

TEST_F(WizardFixture, FinishRefusesAnAddressThatTakesNoOrdersAndMakesNothing) {
    wizard_.show();
    find<QLineEdit>("LabeledEdit3")->setText(QStringLiteral("zosia spizarnia.pl"));
    press("Zakoncz");
    EXPECT_EQ(app_.workspace().PageCount(), 0);
    EXPECT_TRUE(wizard_.isVisible());
    ASSERT_EQ(app_.platform_.shown.size(), 1);
    EXPECT_EQ(app_.platform_.shown[0].text,
              QStringLiteral("Pole „adres e-mail na który będzie przesyłane zamówienie”: adres nie może "
                             "zawierać spacji ani znaków końca wiersza."));

    // Mended, with the classic page chosen and no column layout: the page keeps a new page's two
    // columns (a file with none could not be opened again).
    find<QLineEdit>("LabeledEdit3")->clear();
    find<QCheckBox>("NowoczesnaBox")->setChecked(false);
    press("Zakoncz");
    ASSERT_EQ(app_.workspace().PageCount(), 1);
    EXPECT_FALSE(app_.workspace().Current()->Settings.ModernPage);
    EXPECT_EQ(app_.workspace().Current()->Settings.ProductColumns, 2);
}

TEST_F(WizardFixture, SchemeLeavesTheMenuColour) {
    find<UpDown>("UpDown2")->stepUp();
    EXPECT_EQ(color(3), QStringLiteral("#D9E0F7"));
    EXPECT_EQ(color(5), QStringLiteral("#D9E0F7"));
    EXPECT_EQ(color(4), QStringLiteral("#002499"));
    EXPECT_EQ(color(6), QStringLiteral("#A6CAF0"));
}

TEST_F(WizardFixture, TextureStylesWorkAsInTheOptionsDialog) {
    Choose(find<QComboBox>("ComboBox2"), 4);
    EXPECT_TRUE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 2);
    EXPECT_TRUE(find<QLabel>("ImageBufer")->toolTip().endsWith(QStringLiteral("gwiazdki.jpg")));
    EXPECT_EQ(color(1), QStringLiteral("#FFFBF0"));
    EXPECT_TRUE(app_.platform_.shown.isEmpty());
}

TEST_F(WizardFixture, InsertedLinkIsAFileAddress) {
    QTemporaryDir files;
    const QString path = QDir::toNativeSeparators(files.filePath(QStringLiteral("strona.htm")));
    QFile(path).open(QIODevice::WriteOnly);
    app_.platform_.nextFileName.enqueue(path);
    press("Button14");
    const QString address = find<LinkGrid>("StringGrid1")->cellText(1, LinkGrid::PathColumn);
    EXPECT_TRUE(address.startsWith(QStringLiteral("file:///"))) << address.toStdString();
    EXPECT_FALSE(address.startsWith(QStringLiteral("file:////"))) << address.toStdString();
    EXPECT_TRUE(address.endsWith(QStringLiteral("/strona.htm")));
    EXPECT_FALSE(address.contains(QLatin1Char('\\')));
    EXPECT_EQ(wizard_.values().Values.MenuLinks[0].Path, address.toStdString());
}

TEST(FileAddress, WindowsPathsGetThreeSlashesAndForwardSeparators) {
    EXPECT_EQ(FileAddress(QStringLiteral("C:\\shop\\a.htm")), QStringLiteral("file:///C:/shop/a.htm"));
    EXPECT_EQ(FileAddress(QStringLiteral("/home/ania/a.htm")), QStringLiteral("file:///home/ania/a.htm"));
}
