#include "core/generator/ShopPageText.h"

#include "TestShop.h"
#include "core/generator/FooterSection.h"
#include "core/generator/HeaderSection.h"
#include "core/generator/OrderFormSection.h"
#include "core/generator/ProductSection.h"

#include <gtest/gtest.h>

using namespace targello;
using targello::testing::TestShop;

class ShopPageTextLayouts : public ::testing::Test {
protected:
    ShopPageTextLayouts() {
        shop.edited.Values.OrderEmail = "zamowienia@sklep.pl";
        shop.edited.Values.MenuLinks[0] = {"Cennik", "/sklep/cennik.htm"};
        pictures = shop.Pictures();
    }

    std::string Page(int layout) {
        shop.edited.Values.PageLayout = layout;
        return ShopPageText(shop.page, shop.edited.Values, pictures, folder);
    }

    const ShopSettings& edited() const { return shop.edited.Values; }
    std::string head() const { return PageHead(edited()); }
    std::string header() const { return HeaderSection(shop.page, edited(), pictures); }
    std::string products() const { return ProductSection(shop.page, edited(), pictures); }
    std::string form() const { return OrderFormSection(edited()); }
    std::string footer() const { return FooterSection(edited()); }

    TestShop shop{3};
    ShopPictures pictures;
    PageFolder folder{"/sklep", PathStyle::Posix};
};

TEST_F(ShopPageTextLayouts, HeadOpensTheMailFormAndDeclaresTheCodePage) {
    EXPECT_EQ(head(),
              R"(<HTML><HEAD><form enctype="text/plain" action="mailto:zamowienia@sklep.pl" method="Post">)"
              R"(<META HTTP-EQUIV="content-type"CONTENT="text/html; charset=ISO-8859-2">)");
    // The address is one part of the mailto: nothing in it ends the attribute or adds to the mail.
    shop.edited.Values.OrderEmail = R"(a@b.pl" onmouseover="x&y)";
    EXPECT_NE(head().find(R"(action="mailto:a@b.pl%22%20onmouseover%3D%22x%26y" method)"), std::string::npos);
    shop.edited.Values.OrderEmail = "a@b.pl?bcc=x@y.pl\r\nCc: z@y.pl#";
    EXPECT_NE(head().find(R"(action="mailto:a@b.pl%3Fbcc%3Dx@y.pl%0D%0ACc%3A%20z@y.pl%23" method)"),
              std::string::npos);
}

TEST_F(ShopPageTextLayouts, SectionsFollowThePageLayout) {
    EXPECT_EQ(Page(0), head() + products() + form() + "</TD></TABLE></HEAD></HTML>");
    EXPECT_EQ(Page(1), head() + header() + products() + form() + footer());
    EXPECT_EQ(Page(2),
              head() + header() + LeftMenuSection(edited(), folder) + products() + form() + footer());
    EXPECT_EQ(Page(3),
              head() + header() + RightMenuSection(products(), edited(), folder) + form() + footer());
    EXPECT_EQ(Page(0).find("<STYLE>"), std::string::npos);
    EXPECT_NE(Page(2).find(R"(<A href="cennik.htm">Cennik</A>)"), std::string::npos);
}

TEST_F(ShopPageTextLayouts, UnknownLayoutIsTheDefaultOne) {
    const std::string standard = Page(2);
    EXPECT_EQ(Page(4), standard);
    EXPECT_EQ(Page(-1), standard);
}
