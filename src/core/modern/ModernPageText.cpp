#include "core/modern/ModernPageText.h"

#include "core/generator/ShopPageText.h"
#include "core/modern/ModernHeadMeta.h"
#include "core/modern/ModernPictures.h"
#include "core/modern/ModernQr.h"
#include "core/modern/ModernScript.h"
#include "core/modern/ModernSearch.h"
#include "core/modern/ModernSections.h"
#include "core/modern/ModernSelling.h"
#include "core/modern/ModernSellingScript.h"
#include "core/modern/ModernStructuredData.h"
#include "core/modern/ModernStyle.h"
#include "core/modern/ModernText.h"
#include "core/settings/BankAccount.h"
#include "core/settings/UrlEscape.h"
#include "core/workspace/PriceText.h"
#include "core/workspace/ShopPage.h"

namespace targello {
namespace {

std::string pageTitle(const ShopSettings& settings) {
    return settings.ShopTitle.find_first_not_of(" \t\r\n") == std::string::npos ? "Sklep"
                                                                                : settings.ShopTitle;
}

} // namespace

std::string ModernShopData(const ShopPage& page, const ShopSettings& edited,
                           const std::string& pageFileName) {
    std::string data =
        "{\"klucz\":" + JsonString("targello-koszyk\n" + pageFileName + "\n" + page.Settings.ShopTitle);
    data += ",\"adres\":" + JsonString(edited.OrderEmail);
    // Whatever the address holds, it is one recipient and adds nothing to the mail.
    data += ",\"mailto\":" + JsonString("mailto:" + MailtoAddressPart(edited.OrderEmail));
    data += ModernSellingData(edited.Selling, pageTitle(page.Settings)) + ",\"produkty\":[";
    for (int k = 0; k < page.ItemCount(); ++k) {
        const ShopItem& item = page.Item(k);
        const std::int64_t price = PriceInTenThousandths(item.Price).value_or(0);
        data += std::string(k ? "," : "") + "{\"n\":" + JsonString(item.Name) + ",\"c\":\"" +
                std::to_string(price) + "\"}";
    }
    return data + "]}";
}

std::string ModernPageText(const ShopPage& page, const ShopSettings& edited, const ModernPictures& pictures,
                           const PageFolder& folder, const std::string& pageFileName) {
    const int layout = EffectivePageLayout(edited.PageLayout);
    const bool texture = !pictures.Texture.Large.empty();
    std::string text;
    text.reserve(32768 + 1024 * static_cast<std::size_t>(page.ItemCount()));
    text += "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    const std::optional<ShopWebAddress> web = ShopWebAddressOf(page.Settings.PublicAddress, pageFileName);
    text += "<title>" + EscapeHtml(pageTitle(page.Settings)) + "</title>\n";
    text += ModernHeadMeta(page, edited, pictures, web);
    text += "<style>\n" + ModernStyle(page.Settings, edited, pictures.Texture.Large) + ModernSearchStyle() +
            ModernSellingStyle() +
            "</style>\n</head>\n";
    text += "<body class=\"uklad-" + std::to_string(layout) + (texture ? " tekstura" : "") + "\">\n";
    text += "<a class=\"pomin\" href=\"#produkty\">Przejdź do produktów</a>\n";
    if (layout != 0)
        text += ModernHeader(page, pictures);
    text += "<div class=\"uklad\">\n";
    if (layout == 2 || layout == 3)
        text += ModernMenu(edited, folder);
    text += "<main>\n" + ModernProducts(page, edited, pictures) + ModernBasket() + ModernOrderForm(edited) +
            ModernLegalSections(edited.Selling) + "</main>\n</div>\n";
    text += ModernSellerFooter(edited.Selling, layout != 0);
    text += ModernOverlays();
    text += "<script type=\"application/json\" id=\"dane-sklepu\">" +
            ModernShopData(page, edited, pageFileName) + "</script>\n";
    text += "<script type=\"application/ld+json\">" + ModernProductData(page, pictures, web) + "</script>\n";
    if (edited.Selling.OffersTransfer() && ReadBankAccount(edited.Selling.TransferAccount).Good())
        text += "<script>\n" + ModernQrScript() + "</script>\n";
    text += "<script>\n" + std::string(ModernMoneyScript()) + ModernSellingScript() + ModernPageScript() +
            (page.ItemCount() >= SearchFromProducts ? ModernSearchScript() : "") +
            "</script>\n</body>\n</html>\n";
    return text;
}

} // namespace targello
