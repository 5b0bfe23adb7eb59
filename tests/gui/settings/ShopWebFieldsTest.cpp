#include "OptionsFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace targello;

namespace {

using ShopWebFieldsTest = OptionsFixture;

TEST_F(ShopWebFieldsTest, DescriptionAndAddressGoToThePageOnOkAndFollowThePageShown) {
    ShopPage& page = newPage();
    auto* description = find<QPlainTextEdit>("OpisSklepu");
    auto* address = find<QLineEdit>("AdresPubliczny");
    ASSERT_NE(description, nullptr);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(description->accessibleName(), QStringLiteral("Opis sklepu"));
    EXPECT_EQ(address->accessibleName(), QStringLiteral("Adres sklepu w sieci"));

    description->setPlainText(QStringLiteral("Miody z pasieki „Ul”\nw Łodzi"));
    QTest::keyClicks(address, QStringLiteral("https://miody.pl/"));
    EXPECT_EQ(page.Settings.Description, "") << "nothing reaches the page before OK";
    pressOk();
    EXPECT_EQ(page.Settings.Description, "Miody z pasieki „Ul”\nw Łodzi");
    EXPECT_EQ(page.Settings.PublicAddress, "https://miody.pl/");

    ShopPage& other = newPage();
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(description->toPlainText(), QString());
    EXPECT_EQ(address->text(), QString());
    other.Settings.PublicAddress = "https://sery.pl/";
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(address->text(), QStringLiteral("https://sery.pl/"));
    EXPECT_EQ(page.Settings.PublicAddress, "https://miody.pl/");
}

TEST_F(ShopWebFieldsTest, AnAddressThePageCannotUseIsPointedOut) {
    newPage();
    auto* address = find<QLineEdit>("AdresPubliczny");
    auto* note = find<QLabel>("AdresUwaga");
    ASSERT_NE(note, nullptr);
    const struct {
        const char* Typed;
        bool Pointed;
    } cases[] = {
        {"www.miody.pl", true}, {"ftp://miody.pl/", true}, {"https://miody.pl/sklep/", false}, {"  ", false}};
    for (const auto& c : cases) {
        address->setText(QString::fromUtf8(c.Typed));
        EXPECT_EQ(!note->isHidden(), c.Pointed) << c.Typed;
        EXPECT_EQ(note->text().contains(QStringLiteral("https://")), c.Pointed) << c.Typed;
    }
}

} // namespace
