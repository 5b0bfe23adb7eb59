#include "core/generator/OrderFormSection.h"

#include "Golden.h"
#include "core/settings/ShopSettings.h"

#include <gtest/gtest.h>
#include <regex>

using namespace targello;
using targello::testing::MatchesGolden;

namespace {

std::vector<std::string> NamedFields(const std::string& section) {
    std::vector<std::string> names;
    const std::regex name(R"(name="([A-Za-z0-9]+)\")");
    for (auto it = std::sregex_iterator(section.begin(), section.end(), name); it != std::sregex_iterator();
         ++it)
        names.push_back((*it)[1]);
    return names;
}

} // namespace

TEST(OrderFormSection, InvoiceDataOnly) {
    ShopSettings edited;
    edited.OrderFormKind = false;
    EXPECT_TRUE(MatchesGolden("order-form-invoice.html", OrderFormSection(edited)));
}

TEST(OrderFormSection, InvoiceDataAndShippingAddress) {
    ShopSettings edited;
    edited.OrderFormKind = true;
    EXPECT_TRUE(MatchesGolden("order-form-invoice-and-shipping.html", OrderFormSection(edited)));
    const std::vector<std::string> expected = {
        "CommandButton1", "ZAMOWIENIE", "FIRMA",  "NAZWISKO",  "ULICA",  "KOD",  "MIASTO", "NIP",
        "TELEFON",        "MAIL",       "FIRMA2", "NAZWISKO2", "ULICA2", "KOD2", "MIASTO2"};
    EXPECT_EQ(NamedFields(OrderFormSection(edited)), expected);
}
