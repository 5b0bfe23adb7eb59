#include "core/modern/ModernPriceText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using namespace targello;

TEST(ModernPriceText, CardsShowTheBasketsTextAndMachinesADecimal) {
    const std::string nb = "\u00A0";
    const struct {
        std::int64_t Amount;
        std::string Shown;
        std::string Decimal;
    } cases[] = {
        {12995000, "1" + nb + "299,50" + nb + "zł", "1299.5"},
        {125000, "12,50" + nb + "zł", "12.5"},
        {0, "0,00" + nb + "zł", "0"},
        {1, "0,00" + nb + "zł", "0.0001"}, // below a grosz
        {50, "0,01" + nb + "zł", "0.005"}, // half a grosz rounds up
        {-49, "0,00" + nb + "zł", "-0.0049"},
        {-50000, "-5,00" + nb + "zł", "-5"},
        {9999999999990000, "999" + nb + "999" + nb + "999" + nb + "999,00" + nb + "zł", "999999999999"},
        {std::numeric_limits<std::int64_t>::min(),
         "-922" + nb + "337" + nb + "203" + nb + "685" + nb + "477,58" + nb + "zł", "-922337203685477.5808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownPrice(c.Amount), c.Shown) << c.Amount;
        EXPECT_EQ(DecimalPrice(c.Amount), c.Decimal) << c.Amount;
    }
}
