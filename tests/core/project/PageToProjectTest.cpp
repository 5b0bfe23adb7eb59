#include "core/project/PageToProject.h"

#include "ProjectTestPages.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

std::string refusal(const ShopPage& page) {
    const ProjectOutcome<std::string> bytes = ProjectBytesFromPage(page);
    EXPECT_FALSE(bytes);
    return bytes.Error;
}

ShopPage pageOfThree() {
    ShopPage page = FreshPage();
    for (int k = 0; k < 3; ++k)
        page.InsertItem();
    page.Item(2).Name = "Kubek";
    return page;
}

} // namespace

TEST(PageToProject, TooLongTextRefusesTheSaveNamingItemAndField) {
    ShopPage page = pageOfThree();
    page.Item(2).Name = std::string(255, 'x');
    EXPECT_EQ(refusal(page), "Nie można zapisać projektu: nazwa produktu 3 („" + std::string(40, 'x') +
                                 "…”) ma 255 znaków, a w pliku projektu mieści się najwyżej 254.");

    page = pageOfThree();
    page.Item(2).Price = "12345678901234567890";
    EXPECT_EQ(refusal(page), "Nie można zapisać projektu: cena produktu 3 („Kubek”) ma 20 znaków, "
                             "a w pliku projektu mieści się najwyżej 19.");

    page = pageOfThree();
    page.Item(0).Description = std::string(751, 'o');
    EXPECT_NE(refusal(page).find("opis produktu 1 („Produkt 1”) ma 751 znaków"), std::string::npos);

    page = pageOfThree();
    page.Settings.BasketCaption = std::string(52, 'k');
    EXPECT_EQ(refusal(page), "Nie można zapisać projektu: napis na przycisku koszyka ma 52 znaki, "
                             "a w pliku projektu mieści się najwyżej 49.");
}

TEST(PageToProject, LengthIsCountedInTheFilesCodePage) {
    ShopPage page = pageOfThree();
    std::string letters;
    for (int k = 0; k < 254; ++k)
        letters += "ą"; // two bytes in UTF-8, one in the file
    page.Item(0).Name = letters;
    EXPECT_TRUE(ProjectBytesFromPage(page));
    page.Item(0).Name += "ż";
    EXPECT_NE(refusal(page).find("ma 255 znaków"), std::string::npos);
}

TEST(PageToProject, CharacterOutsideTheCodePageRefusesTheSave) {
    ShopPage page = pageOfThree();
    page.Item(2).Description = "Pyszny 😀 kubek";
    EXPECT_EQ(refusal(page), "Nie można zapisać projektu: opis produktu 3 („Kubek”) zawiera znak „😀” "
                             "(U+1F600), którego nie da się zapisać w pliku projektu; usuń go lub "
                             "zastąp innym.");

    page = pageOfThree();
    page.Settings.MenuLinks[29] = {"Herbata", "C:\\茶.html"};
    EXPECT_NE(refusal(page).find("ścieżka linku 30 („Herbata”) zawiera znak „茶” (U+8336)"),
              std::string::npos);

    page = pageOfThree();
    page.Settings.ShopTitle = std::string("Sklep\0", 6);
    EXPECT_NE(refusal(page).find("nazwa firmy (sklepu) zawiera znak U+0000,"), std::string::npos);
}
