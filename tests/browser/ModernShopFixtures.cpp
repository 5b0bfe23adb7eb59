// Writes the modern shops the browser test opens: two shops in one folder
// whose menus lead to each other (each must keep its own basket), the
// same products in the two other page layouts for the accessibility and
// markup checks, and a shop of 14 products with a web address and a
// large photo, which a buyer searches. Names carry quotes, markup and "</script>"; prices reach
// the largest amount the program accepts.
#include "core/modern/GenerateModernShop.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;
using namespace targello;

namespace {

ShopPage makePage(const std::string& title, const fs::path& picture) {
    ShopPage page(0, NewPageSettings(EditedSettings::initial().Values));
    page.Settings.ProductColumns = 3;
    page.Settings.ModernPage = true;
    struct Product {
        const char* Name;
        const char* Price;
        const char* Description;
    };
    const Product products[] = {
        {"Kubek 'Ósemka'", "12,50", "Glina z Bolesławca.\r\nPojemność 300 ml."},
        {R"(Płyta "Łódź" <b>nowość</b></script>)", "0,0001", "<i>opis</i> & więcej"},
        {"Sztabka & złoto", "922337203685477", ""},
        {"Rabat", "-5", "Zniżka"},
        {"Bez ceny", "", ""},
    };
    for (const Product& product : products) {
        page.InsertItem();
        ShopItem& item = page.Item(page.ItemCount() - 1);
        item.Name = product.Name;
        item.Price = product.Price;
        item.Description = product.Description;
        item.PicturePath = page.ItemCount() <= 2 ? picture.string() : PicturePrompt;
    }
    page.Settings.HeaderKind = false;
    page.Settings.ShopTitle = title;
    page.Settings.BasketCaption = "do koszyka";
    return page;
}

bool write(const ShopPage& page, const fs::path& folder, const std::string& name, int layout,
           const std::string& linkName, const std::string& linkFile) {
    EditedSettings edited = EditedSettings::initial();
    LoadPageIntoOptions(page.Settings, edited);
    edited.Values.PageLayout = layout;
    edited.Values.OrderFormKind = layout != 3;
    edited.Values.OrderEmail = "zamowienia@example.com";
    edited.Values.MenuLinks[0] = {linkName, (folder / linkFile).string()};
    const std::string output = (folder / (name + ".html")).string();
    const ModernShopResult result = GenerateModernShop(page, edited.Values, name, output);
    if (!result.Succeeded || !result.UnreadablePictures.empty()) {
        std::cerr << result.ErrorText << PictureProblemsText(result.UnreadablePictures);
        return false;
    }
    return true;
}

// Fourteen products, two of which a buyer finds by "zolw", all with the photo.
ShopPage makeLongPage(const fs::path& photo) {
    ShopPage page(0, NewPageSettings(EditedSettings::initial().Values));
    page.Settings.ProductColumns = 3;
    page.Settings.ModernPage = true;
    page.Settings.HeaderKind = false;
    page.Settings.ShopTitle = "Pracownia „Żółw”";
    page.Settings.Description = "Zabawki i naczynia z drewna i gliny, robione ręcznie w Łodzi.";
    page.Settings.PublicAddress = "https://sklep.example.pl/";
    for (int k = 0; k < 14; ++k) {
        page.InsertItem();
        ShopItem& item = page.Item(k);
        item.Name = k == 0   ? "Żółw drewniany"
                    : k == 1 ? "Miska gliniana"
                             : "Kubek nr " + std::to_string(k + 1);
        item.Description = k == 1 ? "Dla żółwia i kota." : "Ręczna robota.";
        item.Price = k == 0 ? "1299,99" : "12,5";
        item.PicturePath = photo.string();
    }
    return page;
}

// A shop that sells: seller, terms, two delivery methods with free delivery
// from 200 zł, and all three ways to pay (a recipient longer than a QR code
// carries, with Polish letters where it is cut).
ShopPage sellingPage(const fs::path& picture) {
    ShopPage page = makePage("Sklep sprzedający", picture);
    SellingSettings& s = page.Settings.Selling;
    s.SellerName = "Pasieka Łęg";
    s.SellerAddress = "ul. Miodowa 1, 00-001 Łęg";
    s.SellerNip = "osoba fizyczna";
    s.SellerEmail = "pasieka@example.pl";
    s.Terms = "§ 1. Sklep prowadzi Pasieka Łęg.\n\n§ 2. Zamówienie jest umową sprzedaży.";
    s.Privacy = "Administratorem danych jest Pasieka Łęg.";
    s.Withdrawal = "Masz 14 dni na odstąpienie od umowy.";
    s.Delivery = {{"Kurier", "15,00"}, {"Odbiór osobisty", "0"}};
    s.FreeDeliveryFrom = "200";
    s.TransferRecipient = "Pasieka Łęgowa Źródłożółć sp. z o.o.";
    s.TransferAccount = "PL61 1090 1014 0000 0712 1981 2874";
    s.TransferNip = "123-456-32-18";
    s.CashOnDeliveryCost = "5,00";
    s.BlikPhone = "600 100 200";
    return page;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: modern_shop_fixtures <empty folder> <picture> <photo>\n";
        return 2;
    }
    const fs::path folder = fs::absolute(argv[1]) / "shop";
    fs::create_directories(folder);
    const fs::path picture = argv[2];
    const bool written =
        write(makePage("Pierwszy sklep", picture), folder, "sklep", 2, "Drugi sklep", "drugi.html") &&
        write(makePage("Drugi sklep", picture), folder, "drugi", 3, "Pierwszy sklep", "sklep.html") &&
        write(makePage("Sklep bez menu", picture), folder, "uklad0", 0, "", "") &&
        write(makePage("Sklep bez menu", picture), folder, "uklad1", 1, "", "") &&
        write(makeLongPage(argv[3]), folder, "wiele", 2, "Pierwszy sklep", "sklep.html") &&
        write(sellingPage(picture), folder, "sprzedaz", 2, "Pierwszy sklep", "sklep.html");
    return written ? 0 : 1;
}
