#include "core/generator/OrderFormSection.h"

#include "core/settings/ShopSettings.h"

namespace targello {
namespace {

struct FormField {
    const char* Label;
    const char* Name;
};

constexpr FormField InvoiceFields[] = {
    {"Nazwa firmy", "FIRMA"}, {"Imię i Nazwisko", "NAZWISKO"},
    {"Ulica", "ULICA"},       {"Kod", "KOD"},
    {"Miasto", "MIASTO"},     {"NIP", "NIP"},
    {"Telefon", "TELEFON"},   {"E-Mail", "MAIL"},
};

constexpr FormField ShippingFields[] = {
    {"Nazwa firmy", "FIRMA2"}, {"Imię i Nazwisko", "NAZWISKO2"}, {"Ulica", "ULICA2"}, {"Kod", "KOD2"},
    {"Miasto", "MIASTO2"},
};

std::string FieldLine(const FormField& field) {
    return std::string(R"(<p style="margin-bottom: -20">)") + "<P>" + field.Label +
           R"(<BR><input type="text" name=")" + field.Name + R"(" size="35"></p>)";
}

std::string Buttons() {
    std::string text;
    text += "<BR>";
    text += R"(<INPUT type="BUTTON" center value="zawartość koszyka" ONCLICK="k();">)";
    text += R"(<INPUT type="BUTTON" center value="opróżnij   koszyk" ONCLICK="e();k();">)";
    text += R"(<INPUT type=SUBMIT name="CommandButton1" value="Wyślij formularz")"
            R"(ONCLICK="k();ZAMOWIENIE.value=msg2;return wyslij(this);">)";
    text += R"(<INPUT type=RESET value="Wyczyść formularz">)";
    text += R"(<INPUT type="hidden" name="ZAMOWIENIE"><P>)";
    return text;
}

} // namespace

std::string OrderFormSection(const ShopSettings& edited) {
    std::string text;
    text += "</TABLE><BR>";
    text += R"(<HR width="100%" align="center">)";
    text += "<TABLE width=100%  border=0 cellpadding=1 cellspacing=0>";
    text += "<TR>";
    text += "<P align=center><FONT SIZE=4>Formularz Zamówienia</FONT>";
    text += Buttons();
    text += "</P></TR>";
    text += "</TABLE>";
    text += "<TABLE width=100%><COL width=50%><COL width=50%>";
    text += "<TR Valign=TOP><TD COLSPAN=2 width=50%>";
    text += "<P>Dane do faktury:</P>";
    for (const FormField& field : InvoiceFields)
        text += FieldLine(field);
    text += "<TD COLSPAN=2 width=50%><BR>";
    if (edited.OrderFormKind) {
        text += "<P>Adres wysyłki:</P>";
        for (const FormField& field : ShippingFields)
            text += FieldLine(field);
        text += "<BR>"; // the shipping block's last line ends with a break
    }
    text += "</P></TR></TH></TD></TABLE><BR>";
    return text;
}

} // namespace targello
