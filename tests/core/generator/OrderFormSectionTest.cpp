#include "core/generator/OrderFormSection.h"

#include "core/settings/ShopSettings.h"

#include <gtest/gtest.h>
#include <regex>

using namespace targello;

namespace {

std::string Field(const char* label, const char* name) {
    return std::string(R"(<p style="margin-bottom: -20"><P>)") + label + R"(<BR><input type="text" name=")" +
           name + R"(" size="35"></p>)";
}

const std::string Invoice = Field("Nazwa firmy", "FIRMA") + Field("Imię i Nazwisko", "NAZWISKO") +
                            Field("Ulica", "ULICA") + Field("Kod", "KOD") + Field("Miasto", "MIASTO") +
                            Field("NIP", "NIP") + Field("Telefon", "TELEFON") + Field("E-Mail", "MAIL");

const std::string Beginning =
    R"(</TABLE><BR><HR width="100%" align="center"><TABLE width=100%  border=0 cellpadding=1 cellspacing=0>)"
    R"(<TR><P align=center><FONT SIZE=4>Formularz Zamówienia</FONT><BR>)"
    R"(<INPUT type="BUTTON" center value="zawartość koszyka" ONCLICK="k();">)"
    R"(<INPUT type="BUTTON" center value="opróżnij   koszyk" ONCLICK="e();k();">)"
    R"(<INPUT type=SUBMIT name="CommandButton1" value="Wyślij formularz")"
    R"(ONCLICK="k();ZAMOWIENIE.value=msg2;return wyslij(this);">)"
    R"(<INPUT type=RESET value="Wyczyść formularz"><INPUT type="hidden" name="ZAMOWIENIE"><P></P></TR></TABLE>)"
    R"(<TABLE width=100%><COL width=50%><COL width=50%><TR Valign=TOP><TD COLSPAN=2 width=50%>)"
    R"(<P>Dane do faktury:</P>)";

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
    EXPECT_EQ(OrderFormSection(edited),
              Beginning + Invoice + "<TD COLSPAN=2 width=50%><BR></P></TR></TH></TD></TABLE><BR>");
}

TEST(OrderFormSection, InvoiceDataAndShippingAddress) {
    ShopSettings edited;
    edited.OrderFormKind = true;
    const std::string shipping = "<P>Adres wysyłki:</P>" + Field("Nazwa firmy", "FIRMA2") +
                                 Field("Imię i Nazwisko", "NAZWISKO2") + Field("Ulica", "ULICA2") +
                                 Field("Kod", "KOD2") + Field("Miasto", "MIASTO2") + "<BR>";
    EXPECT_EQ(OrderFormSection(edited), Beginning + Invoice + "<TD COLSPAN=2 width=50%><BR>" + shipping +
                                            "</P></TR></TH></TD></TABLE><BR>");
    const std::vector<std::string> expected = {
        "CommandButton1", "ZAMOWIENIE", "FIRMA",  "NAZWISKO",  "ULICA",  "KOD",  "MIASTO", "NIP",
        "TELEFON",        "MAIL",       "FIRMA2", "NAZWISKO2", "ULICA2", "KOD2", "MIASTO2"};
    EXPECT_EQ(NamedFields(OrderFormSection(edited)), expected);
}
