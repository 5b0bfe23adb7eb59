#include "core/modern/ModernSections.h"
#include "core/modern/ModernSelling.h"
#include "core/settings/ShopSettings.h"

namespace targello {
namespace {

// The classic form's fields in its order, with the hints phones use to fill them in.
struct OrderField {
    const char* Label;
    const char* Name;
    const char* Type;
    const char* Autocomplete;
};

constexpr OrderField InvoiceFields[] = {
    {"Nazwa firmy", "FIRMA", "text", "organization"},
    {"Imię i Nazwisko", "NAZWISKO", "text", "name"},
    {"Ulica", "ULICA", "text", "address-line1"},
    {"Kod", "KOD", "text", "postal-code"},
    {"Miasto", "MIASTO", "text", "address-level2"},
    {"NIP", "NIP", "text", "off"},
    {"Telefon", "TELEFON", "tel", "tel"},
    {"E-Mail", "MAIL", "email", "email"},
};

constexpr OrderField ShippingFields[] = {
    {"Nazwa firmy", "FIRMA2", "text", "shipping organization"},
    {"Imię i Nazwisko", "NAZWISKO2", "text", "shipping name"},
    {"Ulica", "ULICA2", "text", "shipping address-line1"},
    {"Kod", "KOD2", "text", "shipping postal-code"},
    {"Miasto", "MIASTO2", "text", "shipping address-level2"},
};

std::string field(const OrderField& f) {
    const std::string name = f.Name;
    return "<div class=\"pole\"><label for=\"f-" + name + "\">" + f.Label + "</label><input id=\"f-" + name +
           "\" name=\"" + name + "\" type=\"" + f.Type + "\" autocomplete=\"" + f.Autocomplete +
           "\" aria-describedby=\"b-" + name + "\"><span class=\"blad\" id=\"b-" + name + "\"></span></div>";
}

template <std::size_t N> std::string fieldset(const char* legend, const OrderField (&fields)[N]) {
    std::string text = std::string("<fieldset><legend>") + legend + "</legend>";
    for (const OrderField& f : fields)
        text += field(f);
    return text + "</fieldset>";
}

} // namespace

std::string ModernOrderForm(const ShopSettings& edited) {
    std::string text = "<section id=\"zamowienie\" class=\"panel\" aria-labelledby=\"zamowienie-tytul\">"
                       "<h2 id=\"zamowienie-tytul\">Formularz zamówienia</h2>"
                       "<form id=\"formularz\" novalidate><div class=\"pola\">";
    text += fieldset("Dane do faktury", InvoiceFields);
    if (edited.OrderFormKind)
        text += fieldset("Adres wysyłki (jeśli inny)", ShippingFields);
    text += "</div>" + ModernCheckout(edited.Selling) +
            "<p class=\"przyciski\">"
            "<button type=\"button\" id=\"wyslij\">Zamawiam i płacę</button>"
            "<button type=\"button\" id=\"kopiuj\" class=\"drugi\">Kopiuj zamówienie</button>"
            "<button type=\"button\" id=\"pobierz\" class=\"drugi\">Pobierz zamówienie</button></p></form>"
            "<div id=\"wynik\" class=\"wynik\" tabindex=\"-1\"></div></section>\n";
    return text;
}

} // namespace targello
