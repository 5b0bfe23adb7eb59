#include "core/project/TrailerFields.h"

#include "core/settings/ShopSettings.h"

#include <array>

namespace targello {

std::span<const TrailerField> TrailerTextFields() {
    using S = ShopSettings;
    static const std::array<TrailerField, 17> fields{{
        {"opis", [](S& s) -> std::string& { return s.Description; }},
        {"adres.publiczny", [](S& s) -> std::string& { return s.PublicAddress; }},
        {"publikacja", [](S& s) -> std::string& { return s.Publication; }},
        {"sprzedawca.nazwa", [](S& s) -> std::string& { return s.Selling.SellerName; }},
        {"sprzedawca.adres", [](S& s) -> std::string& { return s.Selling.SellerAddress; }},
        {"sprzedawca.nip", [](S& s) -> std::string& { return s.Selling.SellerNip; }},
        {"sprzedawca.email", [](S& s) -> std::string& { return s.Selling.SellerEmail; }},
        {"sprzedawca.telefon", [](S& s) -> std::string& { return s.Selling.SellerPhone; }},
        {"regulamin", [](S& s) -> std::string& { return s.Selling.Terms; }},
        {"prywatnosc", [](S& s) -> std::string& { return s.Selling.Privacy; }},
        {"odstapienie", [](S& s) -> std::string& { return s.Selling.Withdrawal; }},
        {"dostawa.darmowa.od", [](S& s) -> std::string& { return s.Selling.FreeDeliveryFrom; }},
        {"platnosc.przelew.odbiorca", [](S& s) -> std::string& { return s.Selling.TransferRecipient; }},
        {"platnosc.przelew.konto", [](S& s) -> std::string& { return s.Selling.TransferAccount; }},
        {"platnosc.przelew.nip", [](S& s) -> std::string& { return s.Selling.TransferNip; }},
        {"platnosc.pobranie", [](S& s) -> std::string& { return s.Selling.CashOnDeliveryCost; }},
        {"platnosc.blik", [](S& s) -> std::string& { return s.Selling.BlikPhone; }},
    }};
    return fields;
}

std::string EscapeTrailerValue(std::string_view text) {
    std::string value;
    value.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // a Windows line end is one line break
        else if (c == '\r')
            value += "\\n";
        else
            value += c;
    }
    return value;
}

std::string UnescapeTrailerValue(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        if (next == 'n')
            text += '\n';
        else if (next == '\\')
            text += '\\';
        else
            text += std::string{'\\', next}; // not ours: kept as it stands
    }
    return text;
}

} // namespace targello
