#include "OptionsFixture.h"
#include "gui/settings/LinkGrid.h"
#include "gui/settings/Thumbnails.h"
#include "gui/settings/UpDown.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace targello;

namespace {

bool SamePicture(const QLabel* label, const QPixmap& expected) {
    return label->pixmap().toImage() == expected.toImage();
}

} // namespace

TEST_F(OptionsFixture, ShowsTheFirstPagesSettings) {
    newPage();
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(dialog_->objectName(), QStringLiteral("Opcje"));
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Opcje"));
    EXPECT_FALSE(dialog_->isModal());
    auto* tabs = dialog_->findChild<QTabWidget*>();
    const QStringList titles{QStringLiteral("Styl sklepu"),          QStringLiteral("Nagłówek sklepu"),
                             QStringLiteral("Układ Produktów"),      QStringLiteral("Menu strony"),
                             QStringLiteral("Formularz Zamówienia"), QStringLiteral("Sprzedaż")};
    ASSERT_EQ(tabs->count(), 6);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(tabs->tabText(k), titles[k]);

    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Układ 2 kolumny"));
    EXPECT_EQ(find<QComboBox>("ComboBox3")->currentText(), QStringLiteral("kupuję"));
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentIndex(), -1);
    EXPECT_EQ(spin("CSpinEdit1")->text(), QStringLiteral("133"));
    EXPECT_EQ(spin("CSpinEdit2")->text(), QStringLiteral("94"));
    EXPECT_EQ(find<UpDown>("UpDown1")->position(), 2);
    EXPECT_EQ(find<UpDown>("UpDown2")->position(), 0);
    EXPECT_TRUE(SamePicture(find<QLabel>("Image4"), Thumbnails::layout(2)));
    EXPECT_TRUE(SamePicture(find<QLabel>("Image5"), Thumbnails::scheme(0)));
    EXPECT_EQ(color(1), QStringLiteral("#FFFBF0"));
    EXPECT_EQ(color(2), QStringLiteral("#EEEDF8"));
    EXPECT_EQ(color(3), QStringLiteral("#7986AA"));
    EXPECT_EQ(color(4), QStringLiteral("#D9E0F7"));
    EXPECT_EQ(color(5), QStringLiteral("#7986AA"));
    EXPECT_EQ(color(6), QStringLiteral("#7986AA"));
    EXPECT_TRUE(find<QRadioButton>("RadioButton1")->isChecked()); // a new page has the text header
    EXPECT_TRUE(find<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(find<QLabel>("ImageBufer")->toolTip(), QStringLiteral("kliknij 2x aby wczytać teksturę"));

    auto* grid = find<LinkGrid>("StringGrid1");
    EXPECT_EQ(grid->rowCount(), 29);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Nazwa Linku"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Ścieżka Linku"));
    EXPECT_EQ(find<QPushButton>("Button3")->text(), QStringLiteral("wstaw link"));
    EXPECT_EQ(find<QWidget>("Button1")->toolTip(), QStringLiteral("Wstaw grafikę (baner firmy)"));
}

TEST_F(OptionsFixture, CloseBoxStoresNothingAndReopeningShowsThePage) {
    ShopPage& page = newPage();
    const ShopSettings before = page.Settings;
    dialog_->show();
    find<UpDown>("UpDown2")->stepUp();
    EXPECT_EQ(color(3), QStringLiteral("#D9E0F7"));
    EXPECT_EQ(color(6), QStringLiteral("#D9E0F7")); // the menu follows the header here
    EXPECT_EQ(color(4), QStringLiteral("#002499"));
    EXPECT_TRUE(SamePicture(find<QLabel>("Image5"), Thumbnails::scheme(1)));
    dialog_->close();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(page.Settings, before);

    dialog_->show();
    Activate(dialog_);
    EXPECT_EQ(color(3), QStringLiteral("#7986AA"));
    EXPECT_EQ(find<UpDown>("UpDown2")->position(), 0);
}

TEST_F(OptionsFixture, ChocolateStyleConfirmedGivesFourColumnsOfColouredRows) {
    ShopPage& page = newPage();
    app_.currentPageWindow()->insertItem();
    dialog_->show();
    Choose(find<QComboBox>("ComboBox2"), 11);
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("4 kolumny czekolada"));
    pressOk();
    // Past the one item, the first band shows the second row colour.
    EXPECT_EQ(ColorName(PagePixel(app_, QPoint(1150, 75))), QStringLiteral("#B7AB9B"));
    for (int k = 0; k < 4; ++k)
        app_.currentPageWindow()->insertItem();
    dialog_->show();
    pressOk();
    EXPECT_EQ(ColorName(PagePixel(app_, QPoint(1150, 225))), QStringLiteral("#DACFBC"));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(page.Settings.ProductColumns, 4);
    EXPECT_FALSE(page.Settings.UseTexture);
    EXPECT_EQ(page.Settings.RowColor1, RgbColor::fromHex("#DACFBC"));
    EXPECT_EQ(page.Settings.RowColor2, RgbColor::fromHex("#B7AB9B"));
    // Laid out again in four columns: the fifth item starts the second row.
    EXPECT_EQ(page.Item(3).X, 900);
    EXPECT_EQ(page.Item(4).X, 0);
    EXPECT_EQ(page.Item(4).Y, 150);
    // The style list is never reloaded: it keeps the style chosen last.
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentIndex(), 11);
}

TEST_F(OptionsFixture, WidthTypedOutOfRangeIsStoredOnceThenShownClamped) {
    ShopPage& page = newPage();
    dialog_->show();
    SpinEdit* width = spin("CSpinEdit1");
    width->setFocus();
    QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(width, QStringLiteral("500"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(width, &leave); // leaving the box keeps what was typed
    EXPECT_EQ(width->text(), QStringLiteral("500"));
    pressOk();
    EXPECT_EQ(page.Settings.PictureWidth, 500);
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(width->text(), QStringLiteral("300"));
    pressOk();
    EXPECT_EQ(page.Settings.PictureWidth, 300);
}

TEST_F(OptionsFixture, OrderAddressThatTakesNoOrdersRefusesOkAndStoresNothing) {
    ShopPage& page = newPage();
    dialog_->show();
    const struct {
        const char* address;
        const char* message; // nullptr: stored
    } cases[] = {
        {"zosia.spizarnia.pl", "Pole „adres e-mail na który będzie przesyłane zamówienie”: brak znaku „@”."},
        {"zosia@spizarnia.pl?bcc=obcy@x.pl",
         "Pole „adres e-mail na który będzie przesyłane zamówienie”: adres nie może zawierać znaków „?” ani „&”."},
        {"zosia@spizarnia.pl", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const ShopSettings before = page.Settings;
        shown().clear();
        find<QLineEdit>("LabeledEdit1")->setText(QStringLiteral("Sklep ") + QString::fromUtf8(c.address));
        find<QLineEdit>("LabeledEdit3")->setText(QString::fromUtf8(c.address));
        const bool stored = dialog_->applyOptionsToPage();
        EXPECT_EQ(stored, c.message == nullptr) << c.address;
        if (c.message != nullptr) {
            ASSERT_EQ(shown().size(), 1) << c.address;
            EXPECT_EQ(shown()[0].text, QString::fromUtf8(c.message));
            EXPECT_EQ(page.Settings, before);
            dialog_->show();
        } else {
            EXPECT_TRUE(shown().isEmpty()) << c.address;
            EXPECT_EQ(page.Settings.OrderEmail, c.address);
        }
    }
}

TEST_F(OptionsFixture, SizeThatIsNoWholeNumberRefusesOkAndStoresNothing) {
    ShopPage& page = newPage();
    const ShopSettings before = page.Settings;
    dialog_->show();
    find<UpDown>("UpDown2")->stepUp();
    find<QLineEdit>("LabeledEdit1")->setText(QStringLiteral("Sklep Ani"));
    spin("CSpinEdit1")->setText(QStringLiteral("abc"));
    EXPECT_FALSE(dialog_->applyOptionsToPage());
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].kind, ScriptedPlatform::Kind::Error);
    EXPECT_EQ(shown()[0].text, QStringLiteral("Szerokość obrazka „abc” nie jest liczbą całkowitą."));
    EXPECT_EQ(page.Settings, before);
    EXPECT_TRUE(dialog_->isVisible());

    spin("CSpinEdit1")->setText(QStringLiteral("120"));
    SpinEdit* height = spin("CSpinEdit2");
    height->setFocus();
    QTest::keyClick(height, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(height, Qt::Key_Backspace);
    pressOk();
    EXPECT_EQ(shown().last().text, QStringLiteral("Wysokość obrazka „” nie jest liczbą całkowitą."));
    EXPECT_EQ(page.Settings, before);

    QTest::keyClicks(height, QStringLiteral("80"));
    pressOk();
    EXPECT_EQ(page.Settings.PictureWidth, 120);
    EXPECT_EQ(page.Settings.PictureHeight, 80);
    EXPECT_EQ(page.Settings.ShopTitle, "Sklep Ani");
    EXPECT_EQ(page.Settings.ColorScheme, 1);
}

TEST_F(OptionsFixture, InsertedLinkGoesToTheSelectedRowAsAPlainPath) {
    ShopPage& page = newPage();
    QTemporaryDir files;
    const QString link = QDir::toNativeSeparators(files.filePath(QStringLiteral("o nas.htm")));
    QFile(link).open(QIODevice::WriteOnly);
    auto* grid = find<LinkGrid>("StringGrid1");
    auto* button = find<QPushButton>("Button3");

    app_.platform_.nextFileName.enqueue(link);
    button->click();
    EXPECT_EQ(grid->cellText(1, LinkGrid::PathColumn), link); // no cell selected yet: row 1
    EXPECT_EQ(grid->cellText(1, LinkGrid::NameColumn), QString());

    grid->setCurrentCell(4, LinkGrid::NameColumn);
    app_.platform_.nextFileName.enqueue(link);
    button->click();
    EXPECT_EQ(grid->cellText(5, LinkGrid::PathColumn), link);

    app_.platform_.nextFileName.enqueue(QString()); // cancelled
    app_.platform_.nextFileName.enqueue(files.filePath(QStringLiteral("brak.htm")));
    button->click();
    button->click();
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown()[0].text.contains(QStringLiteral("brak.htm")));
    EXPECT_EQ(grid->cellText(5, LinkGrid::PathColumn), link);

    grid->item(0, LinkGrid::NameColumn)->setText(QStringLiteral("O nas"));
    pressOk();
    EXPECT_EQ(page.Settings.MenuLinks[0].Name, "O nas");
    EXPECT_EQ(page.Settings.MenuLinks[0].Path, link.toStdString());
    EXPECT_EQ(page.Settings.MenuLinks[4].Path, link.toStdString());
}

TEST_F(OptionsFixture, TheThirtiethLinkIsCarriedAlongUnseen) {
    ShopPage& page = newPage();
    page.Settings.MenuLinks[29] = {"ukryty", "/sklep/ukryty.htm"};
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(find<LinkGrid>("StringGrid1")->rowCount(), 29);
    page.Settings.MenuLinks[29] = {};
    pressOk();
    EXPECT_EQ(page.Settings.MenuLinks[29].Name, "ukryty");
}

TEST_F(OptionsFixture, ActivatingAnotherPageReloadsTheDialog) {
    ShopPage& first = newPage();
    first.Settings.ShopTitle = "Pierwszy";
    ShopPage& second = newPage();
    second.Settings.ShopTitle = "Drugi";
    second.Settings.ProductColumns = 3;
    app_.workspace().ActivatePage(first.PageIndex());
    dialog_->show();
    Activate(dialog_);
    auto* title = find<QLineEdit>("LabeledEdit1");
    EXPECT_EQ(title->text(), QStringLiteral("Pierwszy"));
    title->setText(QStringLiteral("niezatwierdzony"));

    app_.workspace().ActivatePage(second.PageIndex());
    dialog_->followCurrentPage(); // what the main window does when a page becomes active
    EXPECT_EQ(title->text(), QStringLiteral("Drugi"));
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 2);
    EXPECT_EQ(first.Settings.ShopTitle, "Pierwszy");
}

TEST_F(OptionsFixture, APageTurnedToWhileTheDialogIsHiddenIsWhatItShowsAndStores) {
    ShopPage& first = newPage();
    first.Settings.ShopTitle = "Pierwszy";
    ShopPage& second = newPage();
    second.Settings.ShopTitle = "Drugi";
    second.Settings.ProductColumns = 3;
    second.Settings.PictureWidth = 120;
    app_.workspace().ActivatePage(first.PageIndex());
    dialog_->show();
    Activate(dialog_);
    spin("CSpinEdit1")->setText(QStringLiteral("abc")); // typed, then the close box
    dialog_->hide();

    app_.workspace().ActivatePage(second.PageIndex());
    dialog_->followCurrentPage();
    // The working copy follows at once: a new page starts from it.
    EXPECT_EQ(app_.editedSettings().Values.ShopTitle, "Drugi");
    EXPECT_EQ(app_.editedSettings().Values.ProductColumns, 3);
    // OK without opening the dialog (as after removing items) stores the page's own values.
    EXPECT_TRUE(dialog_->applyOptionsToPage());
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(second.Settings.PictureWidth, 120);
    EXPECT_EQ(second.Settings.ShopTitle, "Drugi");

    app_.workspace().ActivatePage(first.PageIndex());
    dialog_->followCurrentPage();
    dialog_->show();
    EXPECT_EQ(find<QLineEdit>("LabeledEdit1")->text(), QStringLiteral("Pierwszy"));
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 1);
    EXPECT_EQ(spin("CSpinEdit1")->text(), QStringLiteral("133"));
    pressOk();
    EXPECT_EQ(first.Settings.ShopTitle, "Pierwszy");
    EXPECT_EQ(second.Settings.ShopTitle, "Drugi");
}

TEST_F(OptionsFixture, WithoutAPageNothingIsReadOrWritten) {
    find<QLineEdit>("LabeledEdit1")->setText(QStringLiteral("bez strony"));
    dialog_->show();
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(find<QLineEdit>("LabeledEdit1")->text(), QStringLiteral("bez strony"));
    EXPECT_FALSE(dialog_->applyOptionsToPage());
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(app_.editedSettings().Values.ShopTitle, "bez strony");
}
