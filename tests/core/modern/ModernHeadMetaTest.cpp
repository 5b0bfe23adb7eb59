#include "core/modern/ModernHeadMeta.h"

#include "ModernTestShop.h"
#include "core/modern/ModernIcons.h"
#include "core/modern/ModernPictureMarkup.h"
#include "core/modern/ModernSearch.h"
#include "core/modern/ModernStructuredData.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

TEST(ModernHeadMeta, DescriptionIsTheTradersOrMadeFromTheProducts) {
    ModernShop shop(3);
    shop.page.Settings.ShopTitle = "Miody";
    shop.page.Item(1).Name = "  ";
    EXPECT_EQ(ShopDescription(shop.page), "Miody: Produkt 1, Produkt 3.");
    shop.page.Item(0).Name = std::string(150, 'x');
    EXPECT_EQ(ShopDescription(shop.page), "Miody: " + std::string(150, 'x') + " i inne.");
    shop.page.Settings.Description = " Miody\r\nz  pasieki \"Ul\" ";
    EXPECT_EQ(ShopDescription(shop.page), "Miody z pasieki \"Ul\"");
    EXPECT_TRUE(
        Contains(shop.Text(), "<meta name=\"description\" content=\"Miody z pasieki &quot;Ul&quot;\">"));
}

TEST(ModernHeadMeta, AddressesAreAbsoluteOnlyWhereTheShopsAddressIsKnown) {
    ModernShop shop(2);
    shop.page.Item(1).PicturePath = "/zdjęcia/kubek.jpg";
    for (const bool known : {false, true}) {
        shop.page.Settings.PublicAddress = known ? "https://example.pl/sklep/" : "";
        const std::string text = shop.Text();
        SCOPED_TRACE(known);
        EXPECT_EQ(Contains(text, "<link rel=\"canonical\" href=\"https://example.pl/sklep/sklep.html\">"),
                  known);
        EXPECT_EQ(
            Contains(text, "<meta property=\"og:url\" content=\"https://example.pl/sklep/sklep.html\">"),
            known);
        const std::string image = known ? "https://example.pl/sklep/sklep/kubek.jpg" : "sklep/kubek.jpg";
        EXPECT_TRUE(Contains(text, "<meta property=\"og:image\" content=\"" + image + "\">"));
        EXPECT_TRUE(Contains(text, "\"image\":\"" + image + "\""));
        EXPECT_TRUE(Contains(text, "\"url\":\"" +
                                       std::string(known ? "https://example.pl/sklep/sklep.html" : "") +
                                       "#produkt-2\""));
        EXPECT_TRUE(Contains(text, "<article id=\"produkt-2\""));
    }
    // A banner shown in the header is the preview picture, and the touch icon.
    shop.page.Settings.HeaderKind = true;
    shop.page.Settings.BannerPath = "/grafika/baner.png";
    const std::string text = shop.Text();
    EXPECT_TRUE(
        Contains(text, "<meta property=\"og:image\" content=\"https://example.pl/sklep/sklep/baner.jpg\">"));
    EXPECT_TRUE(Contains(text, "<link rel=\"apple-touch-icon\" href=\"sklep/baner.jpg\">"));
}

TEST(ModernStructuredData, OneProductWithAnOfferPerPricedProduct) {
    ModernShop shop(4);
    const char* prices[] = {"1299,99", "", "-5", "0"};
    for (int k = 0; k < 4; ++k)
        shop.page.Item(k).Price = prices[k];
    shop.page.Item(0).Name = "Kubek</script><!--";
    const std::string data = ModernProductData(shop.page,
                                               PlanModernPictures(shop.page, shop.edited.Values, "s", "/w",
                                                                  PathStyle::Posix, WebPictureKind::Encoded),
                                               std::nullopt);
    EXPECT_EQ(Count(data, "\"@type\":\"Product\""), 2u)
        << "neither a missing nor a negative price is offered";
    EXPECT_TRUE(Contains(data, "\"name\":\"Kubek\\u003c/script\\u003e\\u003c!--\""));
    EXPECT_TRUE(Contains(data, "\"price\":1299.99,\"priceCurrency\":\"PLN\""));
    EXPECT_TRUE(Contains(data, "\"price\":0,"));
    EXPECT_FALSE(Contains(data, "<"));
}

TEST(ModernPageParts, SearchBoxIconAndPictureCopies) {
    EXPECT_EQ(ModernSearchBox(SearchFromProducts - 1), "");
    EXPECT_TRUE(Contains(ModernSearchBox(SearchFromProducts), "aria-live=\"polite\""));
    const struct {
        const char* Title;
        const char* Letter;
    } letters[] = {{"miody", "M"},   {" „łąka” ", "Ł"}, {"żółw", "Ż"}, {"ósemka", "Ó"},
                   {"3 kubki", "3"}, {"", "S"},         {"!?", "S"}};
    for (const auto& l : letters)
        EXPECT_EQ(IconLetter(l.Title), l.Letter) << l.Title;
    EXPECT_TRUE(Contains(IconSvg("<b>", RgbColor::fromHex("#102030")), "fill=\"#102030\""));
    EXPECT_EQ(IconSvg("x", {}).rfind(IconMark, 0), 0u);
}

// Each copy's candidate carries the width the copy is made at: a browser
// that took a width for another copy's would pick too small or too large.
TEST(ModernPictureMarkup, SrcsetNamesEachCopyWithItsWidth) {
    const struct {
        int Width, Height, BoxWidth, BoxHeight;
        bool Medium;
        const char* Srcset;
    } cases[] = {
        // The small copy fits 266 x 188, so 251 pixels wide; the middle one is 800.
        {1600, 1200, 266, 188, true, "s/a%20b-266x188.jpg 251w, s/a%20b-800w.jpg 800w, s/a%20b.jpg 1600w"},
        {1200, 1600, 266, 188, true, "s/a%20b-266x188.jpg 141w, s/a%20b-800w.jpg 800w, s/a%20b.jpg 1200w"},
        {1600, 1200, 266, 188, false, "s/a%20b-266x188.jpg 251w, s/a%20b.jpg 1600w"},
        // A middle copy no narrower than the large one, or no wider than the
        // small one, is no size of its own: one width, one candidate.
        {800, 600, 266, 188, true, "s/a%20b-266x188.jpg 251w, s/a%20b.jpg 800w"},
        {1600, 1200, 1000, 750, true, "s/a%20b-266x188.jpg 1000w, s/a%20b.jpg 1600w"},
        {1600, 1200, 800, 800, true, "s/a%20b-266x188.jpg 800w, s/a%20b.jpg 1600w"},
        {200, 150, 266, 188, true, ""}, // a large copy that fits the box has one size only
        {0, 0, 266, 188, true, ""},     // the large copy's size unknown
    };
    for (const auto& c : cases) {
        const WebPictureAddress address{
            "s/a b.jpg", "s/a b-266x188.jpg", 0, c.Width, c.Height, c.Medium ? "s/a b-800w.jpg" : ""};
        EXPECT_EQ(PictureSrcset(address, c.BoxWidth, c.BoxHeight), c.Srcset) << c.Width << "x" << c.Height;
    }
}
