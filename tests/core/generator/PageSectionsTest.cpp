#include "TestShop.h"
#include "core/generator/FooterSection.h"
#include "core/generator/HeaderSection.h"
#include "core/generator/MenuSection.h"

#include <gtest/gtest.h>

using namespace targello;
using targello::testing::Count;
using targello::testing::TestShop;

TEST(HeaderSection, ShopTitleOrBanner) {
    TestShop shop;
    shop.page.Settings.HeaderKind = false;
    shop.page.Settings.ShopTitle = "<i>Sklep Łódź</i>";
    shop.edited.Values.HeaderColor = {0x79, 0x86, 0xAA};
    const std::string title = HeaderSection(shop.page, shop.edited.Values, shop.Pictures());
    EXPECT_TRUE(
        title.starts_with("<STYLE>BODY {BACKGROUND-COLOR: #ffffff; COLOR: #000000; FONT-FAMILY: verdana, "
                          "arial; FONT-SIZE: 11px; MARGIN: 0px; scrollbar-base-color: #FFFFFF}</STYLE>"));
    EXPECT_TRUE(
        title.ends_with(R"(width=100% valign="top"><TD bgColor=#7986AA><P align=center><i>Sklep Łódź</i>)"
                        R"(<BR></TD></TABLE>)"));

    shop.page.Settings.ShopTitle.clear();
    EXPECT_NE(HeaderSection(shop.page, shop.edited.Values, shop.Pictures()).find("><P align=center><BR>"),
              std::string::npos);

    shop.page.Settings.HeaderKind = true;
    shop.page.Settings.BannerPath = "/grafika/baner & logo.gif";
    EXPECT_TRUE(HeaderSection(shop.page, shop.edited.Values, shop.Pictures())
                    .ends_with(R"(<TD bgColor=#7986AA><IMG src="temp/baner &amp; logo.gif" align=left>)"
                               R"(<BR clear=left><BR></TD></TABLE>)"));
    shop.page.Settings.BannerPath.clear();
    EXPECT_NE(HeaderSection(shop.page, shop.edited.Values, shop.Pictures()).find(R"(<IMG src="temp/")"),
              std::string::npos);
}

TEST(MenuLinkRows, NamedLinksRelativeToThePagesFolder) {
    ShopSettings edited;
    edited.MenuLinks[0] = {"Cennik", "/www/sklep/cennik.htm"};
    edited.MenuLinks[1] = {"", "/www/ukryty.htm"}; // no name: not written
    edited.MenuLinks[2] = {"O firmie", "/www/o nas.htm"};
    edited.MenuLinks[3] = {"Blog", "https://blog.pl/?a=1&b=\"2\""};
    edited.MenuLinks[29] = {"Trzydziesty", "/www/x.htm"}; // stored, never shown
    EXPECT_EQ(
        MenuLinkRows(edited, {"/www/sklep", PathStyle::Posix}),
        R"(<tr><td bgColor=#d9e0f7 align=center><A href="cennik.htm">Cennik</A>)"
        R"(<tr><td bgColor=#d9e0f7 align=center><A href="../o%20nas.htm">O firmie</A>)"
        R"(<tr><td bgColor=#d9e0f7 align=center><A href="https://blog.pl/?a=1&amp;b=&quot;2&quot;">Blog</A>)");
    // The same links seen from another folder.
    EXPECT_NE(MenuLinkRows(edited, {"/www", PathStyle::Posix}).find(R"(href="sklep/cennik.htm")"),
              std::string::npos);
    ShopSettings windows;
    windows.MenuLinks[28] = {"Ostatni", R"(D:\inne\x.htm)"};
    EXPECT_EQ(MenuLinkRows(windows, {R"(C:\www)", PathStyle::Windows}),
              R"(<tr><td bgColor=#d9e0f7 align=center><A href="file:///D:/inne/x.htm">Ostatni</A>)");
}

TEST(MenuSections, LeftOpensTheOuterTableRightHoldsTheProducts) {
    ShopSettings edited;
    edited.MenuBackColor = {0xD9, 0xE0, 0xF7};
    edited.MenuColor = {0x79, 0x86, 0xAA};
    const PageFolder folder{"/www", PathStyle::Posix};
    const std::string menuBox = "<Table width=165 border=0 bgColor=#7986AA align=center>"
                                "<td align=center>menu</td><tr><td bgColor=#d9e0f7 align=center>";
    EXPECT_EQ(LeftMenuSection(edited, folder), "<TABLE width=100% border=0 cellPadding=0 cellSpacing=0 >"
                                               "<TD width=25% bgColor=#D9E0F7 valign=top><BR>" +
                                                   menuBox + "</Table></TD><TH>");
    EXPECT_EQ(RightMenuSection("PRODUKTY", edited, folder),
              "<TABLE width=100% border=1 cellPadding=0 cellSpacing=0 ><TH>PRODUKTY</TH>"
              "<TD width=25% bgColor=#D9E0F7 valign=top><BR>" +
                  menuBox + "</TD></TABLE>");
}

TEST(FooterSection, EndsThePage) {
    ShopSettings edited;
    edited.FooterColor = {1, 2, 3};
    const std::string footer = FooterSection(edited);
    EXPECT_TRUE(footer.starts_with("<TABLE width=100% border=1 cellPadding=0 cellSpacing=0 >"
                                   "<TD bgColor=#010203 align=center><P align=center><FONT SIZE=1>"
                                   "Sklep wygenerowany przy użyciu programu Targello "));
    EXPECT_TRUE(footer.ends_with("</A></P></TD></TABLE></HEAD></HTML>"));
    EXPECT_EQ(Count(footer, "<A HREF=\"https://"), 1u);
}
