#include "core/settings/LegalTemplates.h"

#include "core/settings/SellingSettings.h"

namespace targello {
namespace {

std::string orDots(const std::string& text) {
    return text.empty() ? "…" : text;
}

std::string seller(const SellingSettings& s) {
    std::string text = orDots(s.SellerName) + ", " + orDots(s.SellerAddress);
    if (s.SellerNip == "osoba fizyczna")
        text += " (osoba fizyczna)";
    else if (!s.SellerNip.empty())
        text += ", NIP " + s.SellerNip;
    return text;
}

std::string contact(const SellingSettings& s) {
    std::string text = "e-mail " + orDots(s.SellerEmail);
    if (!s.SellerPhone.empty())
        text += ", telefon " + s.SellerPhone;
    return text;
}

std::string deliveryList(const SellingSettings& s) {
    if (s.Delivery.empty())
        return "Sposób dostawy sprzedawca uzgadnia z kupującym.";
    std::string text = "Sklep dostarcza towary:";
    for (const DeliveryMethod& method : s.Delivery)
        text += "\n– " + method.Name + (method.Price.empty() ? "" : ": " + method.Price + " zł");
    if (!s.FreeDeliveryFrom.empty())
        text += "\nPrzy zamówieniu od " + s.FreeDeliveryFrom + " zł dostawa jest bezpłatna.";
    return text;
}

std::string paymentList(const SellingSettings& s) {
    std::string text = "Kupujący płaci:";
    if (s.OffersTransfer())
        text += "\n– przelewem na konto " + s.TransferAccount + ", w tytule podając numer zamówienia;";
    if (s.OffersCashOnDelivery())
        text += "\n– przy odbiorze przesyłki (dopłata " + s.CashOnDeliveryCost + " zł);";
    if (s.OffersBlik())
        text += "\n– BLIKiem na telefon " + s.BlikPhone + ";";
    return s.OffersPayment() ? text : "Sposób płatności sprzedawca uzgadnia z kupującym.";
}

} // namespace

std::string TermsTemplate(const SellingSettings& s, const std::string& shopTitle) {
    return "§ 1. Sprzedawca\nSklep internetowy „" + orDots(shopTitle) + "” prowadzi " + seller(s) +
           ". Kontakt: " + contact(s) +
           ".\n\n§ 2. Zamówienie\nKupujący wybiera towary, sposób dostawy i płatności, podaje swoje dane i "
           "wysyła zamówienie przyciskiem „Zamawiam i płacę”. Umowa sprzedaży zostaje zawarta, gdy "
           "sprzedawca "
           "potwierdzi przyjęcie zamówienia wiadomością e-mail. Ceny są cenami brutto w złotych.\n\n"
           "§ 3. Dostawa\n" +
           deliveryList(s) + "\n\n§ 4. Płatność\n" + paymentList(s) +
           "\n\n§ 5. Odstąpienie od umowy\nKonsument może odstąpić od umowy w ciągu 14 dni bez podania "
           "przyczyny, zgodnie z zasadami opisanymi w części „Odstąpienie od umowy”.\n\n"
           "§ 6. Reklamacje\nSprzedawca odpowiada za wady towaru na zasadach ustawy o prawach konsumenta. "
           "Reklamację można złożyć na adres: " +
           contact(s) +
           ". Sprzedawca odpowie na nią w ciągu 14 dni.\n\n§ 7. Postanowienia końcowe\nW sprawach "
           "nieuregulowanych stosuje się przepisy prawa polskiego, w szczególności Kodeksu cywilnego i "
           "ustawy o prawach konsumenta.";
}

std::string PrivacyTemplate(const SellingSettings& s) {
    return "Administratorem danych osobowych kupujących jest " + seller(s) + ". Kontakt: " + contact(s) +
           ".\n\nDane podane w formularzu zamówienia (imię i nazwisko, adres, telefon, e-mail, NIP) "
           "przetwarzamy, aby wykonać umowę sprzedaży (art. 6 ust. 1 lit. b RODO) i wystawić dokumenty "
           "sprzedaży (art. 6 ust. 1 lit. c RODO). Podanie danych jest dobrowolne, ale bez nich nie możemy "
           "zrealizować zamówienia.\n\nDane przekazujemy tylko tym, którzy dostarczają przesyłkę lub "
           "obsługują płatność, i przechowujemy je przez czas wymagany przepisami podatkowymi.\n\n"
           "Masz prawo dostępu do swoich danych, ich sprostowania, usunięcia, ograniczenia przetwarzania, "
           "przeniesienia i sprzeciwu, a także prawo wniesienia skargi do Prezesa Urzędu Ochrony Danych "
           "Osobowych.\n\nStrona sklepu nie używa plików cookie; koszyk jest zapisany tylko w Twojej "
           "przeglądarce.";
}

std::string WithdrawalTemplate(const SellingSettings& s) {
    return "Masz prawo odstąpić od umowy w terminie 14 dni bez podania przyczyny. Termin biegnie od dnia, "
           "w którym otrzymałeś towar.\n\nAby skorzystać z tego prawa, poinformuj nas (" +
           seller(s) + ", " + contact(s) +
           ") o swojej decyzji w jednoznacznym oświadczeniu, np. pismem lub e-mailem. Możesz użyć wzoru "
           "formularza poniżej, ale nie jest to obowiązkowe.\n\nZwrócimy wszystkie otrzymane płatności, w "
           "tym koszt najtańszej dostawy, niezwłocznie, nie później niż 14 dni od dnia otrzymania "
           "oświadczenia. Możemy wstrzymać się ze zwrotem do chwili otrzymania towaru z powrotem. Koszt "
           "odesłania towaru ponosisz Ty.\n\nWzór formularza odstąpienia od umowy\n"
           "(formularz ten należy wypełnić i odesłać tylko w przypadku chęci odstąpienia od umowy)\n"
           "Adresat: " +
           seller(s) + ", " + contact(s) +
           "\nJa/My(*) niniejszym informuję/informujemy(*) o moim/naszym odstąpieniu od umowy sprzedaży "
           "następujących rzeczy: …\nData zawarcia umowy / odbioru(*): …\nImię i nazwisko konsumenta(-ów): "
           "…\nAdres konsumenta(-ów): …\nPodpis konsumenta(-ów) (tylko jeżeli formularz jest przesyłany w "
           "wersji papierowej): …\nData: …\n(*) Niepotrzebne skreślić.";
}

std::string SellingGapsWarning(const SellingSettings& s) {
    std::string missing;
    if (!s.NamesSeller())
        missing += "\n• danych sprzedawcy (nazwa, adres, NIP lub „osoba fizyczna”)";
    if (!s.HasTerms())
        missing += "\n• regulaminu i polityki prywatności";
    if (missing.empty())
        return {};
    return "Sklep zapisano, ale brakuje w nim:" + missing +
           "\nBez nich kupujący nie wie, od kogo kupuje, a sprzedaż może naruszać prawo konsumenta. "
           "Uzupełnij "
           "je w opcjach sklepu, na karcie „Sprzedaż”.";
}

} // namespace targello
