#include "core/modern/ModernSelling.h"

#include "core/modern/ModernText.h"
#include "core/settings/BankAccount.h"
#include "core/settings/SellingSettings.h"
#include "core/workspace/PriceText.h"

namespace targello {
namespace {

struct LegalText {
    const char* Id;
    const char* Title;
    const std::string SellingSettings::*Text;
};

constexpr LegalText LegalTexts[] = {
    {"regulamin", "Regulamin", &SellingSettings::Terms},
    {"prywatnosc", "Polityka prywatności", &SellingSettings::Privacy},
    {"odstapienie", "Odstąpienie od umowy", &SellingSettings::Withdrawal},
};

// Line breaks within a paragraph stay line breaks.
std::string paragraphs(const std::string& text) {
    std::string html;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\n\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string part = text.substr(start, end - start);
        if (!IsBlank(part)) {
            std::string escaped = EscapeHtml(part);
            for (std::size_t at = 0; (at = escaped.find('\n', at)) != std::string::npos; at += 5)
                escaped.replace(at, 1, "<br>");
            html += "<p>" + escaped + "</p>";
        }
        start = end + 2;
    }
    return html;
}

std::string price(const std::string& text) {
    return "\"" + std::to_string(PriceInTenThousandths(text).value_or(0)) + "\"";
}

std::string radio(const std::string& group, const std::string& value, const std::string& label,
                  const std::string& hint) {
    const std::string id = group + "-" + value;
    return "<div class=\"wybor\"><input type=\"radio\" id=\"" + id + "\" name=\"" + group + "\" value=\"" +
           value + "\" aria-describedby=\"b-" + group + "\"><label for=\"" + id + "\">" + EscapeHtml(label) +
           (hint.empty() ? "" : " <span class=\"cena\">" + EscapeHtml(hint) + "</span>") + "</label></div>";
}

std::string deliveryChoice(const SellingSettings& s) {
    std::string html = "<fieldset class=\"wybory\"><legend>Sposób dostawy</legend>";
    for (std::size_t k = 0; k < s.Delivery.size(); ++k)
        html += radio("dostawa", std::to_string(k), s.Delivery[k].Name,
                      IsBlank(s.Delivery[k].Price) ? "" : s.Delivery[k].Price + "\u00A0zł");
    if (!IsBlank(s.FreeDeliveryFrom))
        html += "<p>Dostawa gratis przy zamówieniu od " + EscapeHtml(s.FreeDeliveryFrom) + "\u00A0zł.</p>";
    return html + "<span class=\"blad\" id=\"b-dostawa\"></span></fieldset>";
}

std::string paymentChoice(const SellingSettings& s) {
    std::string html = "<fieldset class=\"wybory\"><legend>Sposób płatności</legend>";
    if (s.OffersTransfer() && ReadBankAccount(s.TransferAccount).Good())
        html += radio("platnosc", "przelew", "Przelew na konto", "");
    if (s.OffersCashOnDelivery())
        html +=
            radio("platnosc", "pobranie", "Płatność przy odbiorze", "+" + s.CashOnDeliveryCost + "\u00A0zł");
    if (s.OffersBlik())
        html += radio("platnosc", "blik", "BLIK na telefon", "");
    return html + "<span class=\"blad\" id=\"b-platnosc\"></span></fieldset>";
}

std::string consent(const SellingSettings& s) {
    const std::string terms = IsBlank(s.Terms) ? "regulamin" : "<a href=\"#regulamin\">regulamin</a>";
    const std::string privacy =
        IsBlank(s.Privacy) ? "politykę prywatności" : "<a href=\"#prywatnosc\">politykę prywatności</a>";
    return "<div class=\"zgoda\"><input type=\"checkbox\" id=\"f-zgoda\" required aria-required=\"true\" "
           "aria-describedby=\"b-zgoda\"><label for=\"f-zgoda\">Akceptuję " +
           terms + " i " + privacy + "</label><span class=\"blad\" id=\"b-zgoda\"></span></div>";
}

} // namespace

std::string ModernSellerFooter(const SellingSettings& s, bool credit) {
    std::string html;
    if (s.NamesSeller()) {
        html += "<p class=\"sprzedawca\"><strong>" + EscapeHtml(s.SellerName) + "</strong>";
        for (const std::string* line : {&s.SellerAddress, &s.SellerNip, &s.SellerEmail, &s.SellerPhone})
            if (!IsBlank(*line)) {
                const bool nip = line == &s.SellerNip && s.SellerNip != "osoba fizyczna";
                html += "<br>" + std::string(nip ? "NIP: " : "") + EscapeHtml(*line);
            }
        html += "</p>";
    }
    std::string links;
    for (const LegalText& legal : LegalTexts)
        if (!IsBlank(s.*legal.Text))
            links += "<li><a href=\"#" + std::string(legal.Id) + "\">" + legal.Title + "</a></li>";
    if (!links.empty())
        html += "<nav aria-label=\"Zasady sklepu\"><ul class=\"zasady\">" + links + "</ul></nav>";
    if (credit)
        html += "<p class=\"autor\">Sklep wygenerowany programem Targello.</p>";
    return html.empty() ? "" : "<footer class=\"stopka\">" + html + "</footer>\n";
}

std::string ModernLegalSections(const SellingSettings& s) {
    std::string html;
    for (const LegalText& legal : LegalTexts)
        if (!IsBlank(s.*legal.Text))
            html += "<section id=\"" + std::string(legal.Id) + "\" class=\"panel prawo\" aria-labelledby=\"" +
                    legal.Id + "-tytul\"><h2 id=\"" + legal.Id + "-tytul\">" + legal.Title + "</h2>" +
                    paragraphs(s.*legal.Text) + "</section>\n";
    return html;
}

std::string ModernCheckout(const SellingSettings& s) {
    std::string html;
    if (!s.Delivery.empty())
        html += deliveryChoice(s);
    if (s.OffersPayment())
        html += paymentChoice(s);
    // Without choices the basket's own total says it all, as it always did.
    if (s.Delivery.empty() && !s.OffersPayment())
        return html + consent(s);
    html += "<p class=\"suma\" id=\"podsumowanie\">Towary: <output id=\"suma-towary\">0,00\u00A0zł</output>"
            "<span id=\"wiersz-dostawa\" hidden>, dostawa: <output id=\"suma-dostawa\"></output></span>"
            "<span id=\"wiersz-pobranie\" hidden>, pobranie: <output id=\"suma-pobranie\"></output></span>"
            "<br>Do zapłaty: <strong><output id=\"suma-razem\">0,00\u00A0zł</output></strong></p>";
    return html + consent(s);
}

const char* ModernSellingStyle() {
    return R"CSS(fieldset.wybory,.zgoda{margin:.75rem 0}
.wybor,.zgoda{display:flex;gap:.5rem;align-items:center;min-height:44px}
.wybor input,.zgoda input{width:1.5rem;height:1.5rem;margin:0;flex:none}
.zgoda .blad{flex-basis:100%}.zgoda{flex-wrap:wrap}
.podziekowanie dl{display:grid;grid-template-columns:auto 1fr;gap:.25rem 1rem}
.podziekowanie dd{margin:0;overflow-wrap:anywhere}
.qr{width:min(264px,100%);background:#fff;margin:.5rem 0}
.qr svg{display:block;width:100%;height:auto}
.prawo p{max-width:70ch}
footer .zasady{list-style:none;padding:0;display:flex;flex-wrap:wrap;gap:.5rem 1.5rem;justify-content:center}
footer .zasady a{display:inline-block;padding:.5rem 0}
footer .autor{font-size:.8rem;margin:.5rem 0 0}
)CSS";
}

std::string ModernSellingData(const SellingSettings& s, const std::string& shopTitle) {
    std::string data = ",\"sprzedaz\":{\"sklep\":" + JsonString(shopTitle) + ",\"dostawy\":[";
    for (std::size_t k = 0; k < s.Delivery.size(); ++k)
        data += std::string(k ? "," : "") + "{\"n\":" + JsonString(s.Delivery[k].Name) +
                ",\"c\":" + price(s.Delivery[k].Price) + "}";
    data +=
        "],\"darmowa\":" + (IsBlank(s.FreeDeliveryFrom) ? std::string("null") : price(s.FreeDeliveryFrom));
    const BankAccount account = ReadBankAccount(s.TransferAccount);
    if (s.OffersTransfer() && account.Good())
        data += ",\"przelew\":{\"odbiorca\":" + JsonString(s.TransferRecipient) +
                ",\"konto\":" + JsonString(account.Digits) +
                ",\"grupy\":" + JsonString(GroupedAccount(account.Digits)) +
                ",\"nip\":" + JsonString(s.TransferNip) + "}";
    if (s.OffersCashOnDelivery())
        data += ",\"pobranie\":" + price(s.CashOnDeliveryCost);
    if (s.OffersBlik())
        data += ",\"blik\":" + JsonString(s.BlikPhone);
    return data + "}";
}

} // namespace targello
