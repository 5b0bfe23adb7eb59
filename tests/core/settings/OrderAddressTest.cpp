#include "core/settings/OrderAddress.h"

#include <gtest/gtest.h>

namespace targello {
namespace {

TEST(OrderAddressTest, RefusesWhatCannotTakeAnOrderAndSaysWhy) {
    const struct {
        const char* address;
        const char* problem; // "" when the address is accepted
    } cases[] = {
        {"", ""},
        {"zosia@spizarnia.pl", ""},
        {"zamowienia.zosi@poczta.spizarnia.com.pl", ""},
        {"zosia.spizarnia.pl", "brak znaku „@”"},
        {"zosia@@spizarnia.pl", "znak „@” może wystąpić tylko raz"},
        {"zosia@spizarnia@pl.pl", "znak „@” może wystąpić tylko raz"},
        {"@spizarnia.pl", "brak nazwy przed znakiem „@”"},
        {"zosia@", "po znaku „@” musi być domena z kropką, np. sklep.pl"},
        {"zosia@localhost", "po znaku „@” musi być domena z kropką, np. sklep.pl"},
        {"zosia@.pl", "po znaku „@” musi być domena z kropką, np. sklep.pl"},
        {"zosia@spizarnia.", "po znaku „@” musi być domena z kropką, np. sklep.pl"},
        {"zosia@spizarnia..pl", "po znaku „@” musi być domena z kropką, np. sklep.pl"},
        {"zosia @spizarnia.pl", "adres nie może zawierać spacji ani znaków końca wiersza"},
        {" zosia@spizarnia.pl", "adres nie może zawierać spacji ani znaków końca wiersza"},
        {"zosia@spizarnia.pl\r\nBcc: obcy@x.pl", "adres nie może zawierać spacji ani znaków końca wiersza"},
        {"zosia@spizarnia.pl\tx", "adres nie może zawierać spacji ani znaków końca wiersza"},
        {"zosia@spizarnia.pl?cc=obcy@x.pl", "adres nie może zawierać znaków „?” ani „&”"},
        {"zosia@spizarnia.pl&body=x", "adres nie może zawierać znaków „?” ani „&”"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OrderAddressProblem(c.address), c.problem) << c.address;
}

TEST(OrderAddressTest, MessageNamesTheFieldAndTheProblem) {
    EXPECT_EQ(OrderAddressMessage("zosia"),
              "Pole „adres e-mail na który będzie przesyłane zamówienie”: brak znaku „@”.");
    EXPECT_EQ(OrderAddressMessage(""), "");
    EXPECT_EQ(OrderAddressExportNote(""), NoOrderAddressWarning);
    EXPECT_EQ(OrderAddressExportNote("zosia"), OrderAddressMessage("zosia"));
    EXPECT_EQ(OrderAddressExportNote("zosia@spizarnia.pl"), "");
}

} // namespace
} // namespace targello
