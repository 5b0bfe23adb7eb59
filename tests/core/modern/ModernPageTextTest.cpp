#include "ModernTestShop.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

std::size_t at(const std::string& text, const std::string& part) {
    const std::size_t found = text.find(part);
    EXPECT_NE(found, std::string::npos) << part;
    return found;
}

} // namespace

TEST(ModernPage, IsUtf8Html5ForPhones) {
    ModernShop shop(1);
    const std::string text = shop.Text();
    EXPECT_EQ(text.rfind("<!DOCTYPE html>\n<html lang=\"pl\">", 0), 0u);
    EXPECT_TRUE(Contains(text, "<meta charset=\"utf-8\">"));
    EXPECT_TRUE(Contains(text, "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"));
    // Nothing is fetched from another site; the one link is the shop's own icon.
    for (const char* outside : {"src=\"http", "href=\"http", "url(http", "content=\"http", "http://"})
        EXPECT_FALSE(Contains(text, outside)) << outside;
    EXPECT_EQ(Count(text, "<link"), 1u);
    EXPECT_TRUE(Contains(text, "<link rel=\"icon\" href=\"sklep/favicon.svg\" type=\"image/svg+xml\">"));
    EXPECT_FALSE(Contains(text, "alert("));
}

TEST(ModernPage, FourLayoutsPlaceHeaderMenuAndFooter) {
    ModernShop shop(2);
    shop.page.Settings.HeaderKind = false;
    shop.page.Settings.ShopTitle = "Pracownia";
    shop.edited.Values.MenuLinks[0] = {"Kontakt", "/www/kontakt.html"};
    for (int layout : {0, 1, 2, 3}) {
        shop.edited.Values.PageLayout = layout;
        const std::string text = shop.Text();
        SCOPED_TRACE(layout);
        EXPECT_TRUE(Contains(text, "<body class=\"uklad-" + std::to_string(layout)));
        EXPECT_EQ(Contains(text, "<h1>Pracownia</h1>"), layout != 0);
        EXPECT_EQ(Contains(text, "<footer"), layout != 0);
        EXPECT_EQ(Contains(text, "<nav"), layout >= 2);
        if (layout >= 2) {
            EXPECT_LT(at(text, "<nav"),
                      at(text, "<main>")); // the style sheet moves it to the right in layout 3
        }
        EXPECT_EQ(Count(text, "<article"), 2u);
        EXPECT_EQ(Count(text, "<form"), 1u);
    }
    // A layout a file may carry but the dialog never offers is the default one.
    shop.edited.Values.PageLayout = 9;
    EXPECT_TRUE(Contains(shop.Text(), "<body class=\"uklad-2"));
}

TEST(ModernPage, MenuLinksUseTheLinkRules) {
    ModernShop shop;
    auto& links = shop.edited.Values.MenuLinks;
    links[0] = {"Drugi sklep", "/www/inny/sklep.html"};
    links[1] = {"Strona", "https://example.pl/?a=1&b=2"};
    links[2] = {"", "/www/bez-nazwy.html"};
    links[29] = {"Trzydziesty", "/www/x.html"}; // stored, never shown
    const std::string text = shop.Text();
    EXPECT_TRUE(Contains(text, "<li><a href=\"inny/sklep.html\">Drugi sklep</a></li>"));
    EXPECT_TRUE(Contains(text, "<li><a href=\"https://example.pl/?a=1&amp;b=2\">Strona</a></li>"));
    EXPECT_FALSE(Contains(text, "bez-nazwy"));
    EXPECT_FALSE(Contains(text, "Trzydziesty"));
}

TEST(ModernPage, BothOrderFormsHaveLabelledFieldsInTheClassicOrder) {
    ModernShop shop;
    const char* invoice[] = {"FIRMA", "NAZWISKO", "ULICA", "KOD", "MIASTO", "NIP", "TELEFON", "MAIL"};
    const char* shipping[] = {"FIRMA2", "NAZWISKO2", "ULICA2", "KOD2", "MIASTO2"};
    for (bool withShipping : {true, false}) {
        shop.edited.Values.OrderFormKind = withShipping;
        const std::string text = shop.Text();
        std::size_t last = 0;
        for (const char* name : invoice) {
            const std::string id = std::string("f-") + name;
            EXPECT_TRUE(Contains(text, "<label for=\"" + id + "\">"));
            const std::size_t field = at(text, "name=\"" + std::string(name) + "\"");
            EXPECT_GT(field, last);
            last = field;
        }
        for (const char* name : shipping)
            EXPECT_EQ(Contains(text, "name=\"" + std::string(name) + "\""), withShipping) << name;
        EXPECT_EQ(Contains(text, "Adres wysyłki"), withShipping);
        for (const char* button : {">Zamawiam i płacę<", ">Kopiuj zamówienie<", ">Pobierz zamówienie<"})
            EXPECT_EQ(Count(text, button), 1u);
    }
}

TEST(ModernPage, HostileNamesStayTextInEveryContext) {
    ModernShop shop(1);
    const std::string hostile = "O'Neil \"Łódź\" <b>&amp;</script><script>alert(1)</script>";
    ShopItem& item = shop.page.Item(0);
    item.Name = hostile;
    item.Description = hostile;
    item.PicturePath = "/zdjęcia/a\"b'<c>.jpg";
    shop.page.Settings.HeaderKind = false;
    shop.page.Settings.ShopTitle = hostile;
    shop.page.Settings.BasketCaption = hostile;
    shop.edited.Values.OrderEmail = "a\"b@example.pl</script>";
    const std::string text = shop.Text();
    const std::string escaped =
        "O&#39;Neil &quot;Łódź&quot; &lt;b&gt;&amp;amp;&lt;/script&gt;&lt;script&gt;alert(1)&lt;/script&gt;";
    EXPECT_TRUE(Contains(text, "<title>" + escaped + "</title>"));
    EXPECT_TRUE(Contains(text, "<h1>" + escaped + "</h1>"));
    EXPECT_TRUE(Contains(text, "<h3 id=\"p0\">" + escaped + "</h3>"));
    EXPECT_TRUE(Contains(text, "<p class=\"opis\">" + escaped + "</p>"));
    EXPECT_TRUE(Contains(text, "data-opis=\"" + escaped + "\""));
    EXPECT_TRUE(Contains(text, "aria-label=\"Powiększ zdjęcie: " + escaped + "\""));
    // In the script data neither the element nor the string can end early.
    EXPECT_TRUE(
        Contains(text, "\"n\":\"O'Neil \\\"Łódź\\\" \\u003cb\\u003e\\u0026amp;\\u003c/script\\u003e"));
    EXPECT_TRUE(Contains(text, "\"adres\":\"a\\\"b@example.pl\\u003c/script\\u003e\""));
    EXPECT_TRUE(Contains(text, "\"mailto\":\"mailto:a%22b@example.pl%3C%2Fscript%3E\""));
    // The only SCRIPT elements are the page's own three, and the only markup is ours.
    EXPECT_EQ(Count(text, "<script"), 3u);
    EXPECT_EQ(Count(text, "</script>"), 3u);
    EXPECT_EQ(Count(text, "<b>"), 0u);
    // Picture addresses: quotes and angle brackets never reach them.
    EXPECT_TRUE(Contains(text, "src=\"sklep/a-b-c-266x188.jpg\""));
}

TEST(ModernPage, PricesGoToTheScriptAsTenThousandths) {
    ModernShop shop(7);
    const char* prices[] = {"0,0001", "922337203685477", "-12,5", "1,5e2", "", "-", "12,50 zł"};
    for (int k = 0; k < 7; ++k)
        shop.page.Item(k).Price = prices[k];
    const std::string data = ModernShopData(shop.page, shop.edited.Values, "sklep.html");
    EXPECT_TRUE(Contains(data, "{\"n\":\"Produkt 1\",\"c\":\"1\"}"));
    EXPECT_TRUE(Contains(data, "{\"n\":\"Produkt 2\",\"c\":\"9223372036854770000\"}"));
    EXPECT_TRUE(Contains(data, "{\"n\":\"Produkt 3\",\"c\":\"-125000\"}"));
    EXPECT_TRUE(Contains(data, "{\"n\":\"Produkt 4\",\"c\":\"1500000\"}"));
    for (const char* empty : {"Produkt 5", "Produkt 6", "Produkt 7"})
        EXPECT_TRUE(Contains(data, "{\"n\":\"" + std::string(empty) + "\",\"c\":\"0\"}")) << empty;
    // The visible price of an amount is the basket's text of the same integer; other texts show as typed.
    const std::string text = shop.Text();
    EXPECT_TRUE(Contains(text, "<p class=\"cena\">150,00\u00A0zł</p>"));
    EXPECT_TRUE(Contains(text, "<p class=\"cena\">922\u00A0337\u00A0203\u00A0685\u00A0477,00\u00A0zł</p>"));
    EXPECT_TRUE(Contains(text, "<p class=\"cena\">-\u00A0zł</p>"));
}

TEST(ModernPage, BasketKeyTellsShopsApart) {
    ModernShop shop;
    shop.page.Settings.ShopTitle = "Miody";
    const std::string a = ModernShopData(shop.page, shop.edited.Values, "sklep.html");
    const std::string b = ModernShopData(shop.page, shop.edited.Values, "drugi.html");
    shop.page.Settings.ShopTitle = "Sery";
    const std::string c = ModernShopData(shop.page, shop.edited.Values, "sklep.html");
    EXPECT_TRUE(Contains(a, "\"klucz\":\"targello-koszyk\\nsklep.html\\nMiody\""));
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
}

TEST(ModernPage, ColumnsColoursAndPictureSizeComeFromTheSettings) {
    ModernShop shop(5, 3);
    shop.edited.Values.HeaderColor = RgbColor::fromHex("#102030");
    shop.edited.Values.PictureWidth = 150;
    shop.edited.Values.PictureHeight = 100;
    shop.page.Item(3).PicturePath = "/zdjęcia/kubek.jpg";
    const std::string text = shop.Text();
    EXPECT_TRUE(Contains(text, "--kolumny:3;"));
    // Dark header: white text, so the title can be read.
    EXPECT_TRUE(Contains(text, "--naglowek:#102030;--naglowek-tekst:#ffffff;"));
    EXPECT_TRUE(Contains(text, "<div class=\"siatka k3\">"));
    // Rows alternate as on the classic page: the second row takes the first row colour.
    EXPECT_EQ(Count(text, "class=\"produkt r1\""), 2u);
    EXPECT_TRUE(Contains(
        text, "src=\"sklep/kubek-300x200.jpg\" alt=\"\" width=\"150\" height=\"100\" loading=\"lazy\""));
    EXPECT_TRUE(Contains(text, "data-duze=\"sklep/kubek.jpg\""));
    // Items without a chosen picture show none.
    EXPECT_EQ(Count(text, "<img"), 1u);
    // The first row is in the first screen: its pictures load at once, the first one first.
    shop.page.Item(0).PicturePath = "/zdjęcia/a.jpg";
    shop.page.Item(2).PicturePath = "/zdjęcia/c.jpg";
    const std::string first = shop.Text();
    EXPECT_TRUE(Contains(
        first,
        "src=\"sklep/a-300x200.jpg\" alt=\"\" width=\"150\" height=\"100\" fetchpriority=\"high\" decoding"));
    EXPECT_TRUE(
        Contains(first, "src=\"sklep/c-300x200.jpg\" alt=\"\" width=\"150\" height=\"100\" decoding"));
    EXPECT_EQ(Count(first, "loading=\"lazy\""), 1u);
}

TEST(ModernPage, BannerAndTextureOnlyWhenChosen) {
    ModernShop shop(1);
    shop.page.Settings.HeaderKind = true;
    shop.page.Settings.BannerPath = "/grafika/baner.png";
    shop.page.Settings.ShopTitle = "Miody";
    shop.page.Settings.UseTexture = true;
    shop.page.Settings.TexturePath = "/tekstury/len (1).jpg";
    std::string text = shop.Text();
    EXPECT_TRUE(Contains(text, "<h1><img src=\"sklep/baner.jpg\" alt=\"Miody\"></h1>"));
    EXPECT_TRUE(Contains(text, "--tekstura:url(\"sklep/len-1.jpg\");"));
    EXPECT_TRUE(Contains(text, "<body class=\"uklad-2 tekstura\">"));
    shop.page.Settings.UseTexture = false;
    shop.page.Settings.HeaderKind = false;
    text = shop.Text();
    EXPECT_FALSE(Contains(text, "baner"));
    EXPECT_FALSE(Contains(text, "--tekstura:"));
    EXPECT_FALSE(Contains(text, "len %28"));
}

TEST(ModernPage, SellerTermsDeliveryAndPaymentShowWhereTheTraderGaveThem) {
    ModernShop shop;
    SellingSettings& s = shop.edited.Values.Selling;
    const std::string bare = shop.Text();
    s.SellerName = "Pasieka <Łęg>";
    s.SellerNip = "1234567890";
    s.Terms = "§ 1.\nSklep prowadzi…\n\n§ 2.";
    s.Privacy = "Dane";
    s.Delivery = {{"Kurier", "15,00"}, {"Odbiór osobisty", ""}};
    s.FreeDeliveryFrom = "200";
    s.TransferAccount = "PL61 1090 1014 0000 0712 1981 2874";
    s.TransferRecipient = "Pasieka";
    s.CashOnDeliveryCost = "5,00";
    const std::string full = shop.Text();
    struct Case {
        const char* Part;
        bool InBare;
        bool InFull;
    };
    const Case cases[] = {
        {"<strong>Pasieka &lt;Łęg&gt;</strong><br>NIP: 1234567890", false, true},
        {"<section id=\"regulamin\"", false, true},
        {"<p>§ 1.<br>Sklep prowadzi…</p><p>§ 2.</p>", false, true},
        {"<section id=\"odstapienie\"", false, false}, // no text, no section
        {"<a href=\"#prywatnosc\">Polityka prywatności</a>", false, true},
        {"<a href=\"#regulamin\">regulamin</a> i <a href=\"#prywatnosc\">politykę prywatności</a>", false,
         true},
        {">Akceptuję regulamin i politykę prywatności</label>", true, false},
        {"id=\"f-zgoda\" required", true, true},
        {"id=\"suma-razem\"", false, true}, // totals with delivery only where there are choices
        {"name=\"dostawa\" value=\"1\"", false, true},
        {"Dostawa gratis przy zamówieniu od 200\u00A0zł.", false, true},
        {"value=\"przelew\"", false, true},
        {"value=\"blik\"", false, false},
        {"{\"n\":\"Kurier\",\"c\":\"150000\"},{\"n\":\"Odbiór "
         "osobisty\",\"c\":\"0\"}],\"darmowa\":\"2000000\"",
         false, true},
        {"\"konto\":\"61109010140000071219812874\",\"grupy\":\"61 1090 1014 0000 0712 1981 2874\"", false,
         true},
        {"\"pobranie\":\"50000\"", false, true},
        {"qrcode.stringToBytes=qrcode.stringToBytesFuncs['UTF-8']", false, true},
        {"Sklep wygenerowany programem Targello.", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Contains(bare, c.Part), c.InBare) << c.Part;
        EXPECT_EQ(Contains(full, c.Part), c.InFull) << c.Part;
    }
    // A wrong account number is never offered to a buyer.
    s.TransferAccount = "PL61 1090 1014 0000 0712 1981 2875";
    const std::string wrong = shop.Text();
    EXPECT_FALSE(Contains(wrong, "value=\"przelew\""));
    EXPECT_FALSE(Contains(wrong, "stringToBytesFuncs"));
}
