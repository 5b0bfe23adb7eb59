#include "core/modern/ShopWebAddress.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(ShopWebAddress, PageAndFolderFromWhatTheTraderTyped) {
    const struct {
        const char* Typed;
        const char* File;
        const char* Page; // "" where the address is not one
        const char* Folder;
    } cases[] = {
        {"https://example.pl/sklep/", "sklep.html", "https://example.pl/sklep/sklep.html",
         "https://example.pl/sklep/"},
        {"  https://example.pl  ", "index.html", "https://example.pl/", "https://example.pl/"},
        {"HTTP://Example.pl/sklep", "Index.HTM", "HTTP://Example.pl/sklep/", "HTTP://Example.pl/sklep/"},
        {"https://example.pl/a/oferta.html?x=1#top", "sklep.html", "https://example.pl/a/oferta.html",
         "https://example.pl/a/"},
        {"https://example.pl:8443/", "mój sklep.html", "https://example.pl:8443/m%C3%B3j%20sklep.html",
         "https://example.pl:8443/"},
        {"https://example.pl/zakupy/", "a#b.html", "https://example.pl/zakupy/a%23b.html",
         "https://example.pl/zakupy/"},
        {"www.example.pl", "sklep.html", "", ""},
        {"ftp://example.pl/", "sklep.html", "", ""},
        {"https:///sklep", "sklep.html", "", ""},
        {"https://exa mple.pl/", "sklep.html", "", ""},
        {"https://x\"onload=\"a.pl/", "sklep.html", "", ""},
        {"javascript:alert(1)//https://", "sklep.html", "", ""},
        {"", "sklep.html", "", ""},
    };
    for (const auto& c : cases) {
        const std::optional<ShopWebAddress> web = ShopWebAddressOf(c.Typed, c.File);
        EXPECT_EQ(web ? web->Page : "", c.Page) << c.Typed;
        EXPECT_EQ(web ? web->Folder : "", c.Folder) << c.Typed;
    }
    const ShopWebAddress web{"https://a.pl/", "https://a.pl/"};
    EXPECT_EQ(web.Resolve("sklep/żółw \"1\".jpg"), "https://a.pl/sklep/%C5%BC%C3%B3%C5%82w%20%221%22.jpg");
}
