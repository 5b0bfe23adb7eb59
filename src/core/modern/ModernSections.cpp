#include "core/modern/ModernSections.h"

#include "core/generator/ShopPageText.h"
#include "core/modern/ModernPictureMarkup.h"
#include "core/modern/ModernPriceText.h"
#include "core/modern/ModernSearch.h"
#include "core/modern/ModernStructuredData.h"
#include "core/modern/ModernText.h"
#include "core/settings/RelativeLink.h"
#include "core/workspace/PriceText.h"
#include "core/workspace/ShopPage.h"

#include <algorithm>

namespace targello {
namespace {

std::string attribute(const char* name, std::string_view value) {
    return std::string(" ") + name + "=\"" + EscapeHtml(value) + "\"";
}

// The first row's pictures are in the first screen: they load at once, the
// first of them before anything else, as the largest thing the buyer sees.
std::string loading(int index, int columns) {
    if (index == 0)
        return " fetchpriority=\"high\"";
    return index < columns ? "" : " loading=\"lazy\"";
}

std::string pictureButton(const ShopItem& item, int index, const WebPictureAddress& address,
                          const ShopSettings& edited, const std::string& sizes, int columns) {
    const std::string name = IsBlank(item.Name) ? "produkt " + std::to_string(index + 1) : item.Name;
    std::string text = "<button type=\"button\" class=\"powieksz\"" + attribute("data-duze", address.Large) +
                       attribute("data-opis", name) + attribute("aria-label", "Powiększ zdjęcie: " + name) +
                       ">";
    const int width = ShownPictureWidth(edited);
    const int height = ShownPictureHeight(edited);
    text += "<img" + attribute("src", address.Small);
    if (const std::string srcset = PictureSrcset(address, 2 * width, 2 * height); !srcset.empty())
        text += attribute("srcset", srcset) + attribute("sizes", sizes);
    text += " alt=\"\" width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) + "\"" +
            loading(index, columns) + " decoding=\"async\"></button>";
    return text;
}

// An amount as the basket shows it; any other text as typed.
std::string priceText(const std::string& price) {
    if (IsBlank(price))
        return {};
    if (const std::optional<std::int64_t> amount = PriceInTenThousandths(price))
        return "<p class=\"cena\">" + ShownPrice(*amount) + "</p>";
    return "<p class=\"cena\">" + EscapeHtml(price) + "\u00A0zł</p>";
}

} // namespace

std::string ModernHeader(const ShopPage& page, const ModernPictures& pictures) {
    const ShopSettings& s = page.Settings;
    std::string text = "<header class=\"naglowek\">";
    if (s.HeaderKind && !pictures.Banner.Large.empty()) {
        const WebPictureAddress& banner = pictures.Banner;
        std::string image = "<img" + attribute("src", banner.Large) + attribute("alt", s.ShopTitle);
        if (banner.Width > 0 && banner.Height > 0)
            image += " width=\"" + std::to_string(banner.Width) + "\" height=\"" +
                     std::to_string(banner.Height) + "\"";
        image += ">";
        text += IsBlank(s.ShopTitle) ? image : "<h1>" + image + "</h1>";
    } else if (!IsBlank(s.ShopTitle)) {
        text += "<h1>" + EscapeHtml(s.ShopTitle) + "</h1>";
    }
    return text + "</header>\n";
}

std::string ModernMenu(const ShopSettings& edited, const PageFolder& folder) {
    // The name of a file in the page's folder, so that the folder is where
    // the addresses start from; no such file is read or written.
    const std::string base = PathRules(folder.Style).Join(folder.Folder, "temp.htm");
    std::string links;
    for (int k = 0; k < ShopSettings::ShownLinkCount; ++k) {
        const MenuLink& link = edited.MenuLinks[static_cast<std::size_t>(k)];
        if (link.Name.empty())
            continue;
        links += "<li><a" + attribute("href", RelativeLink(base, link.Path, folder.Style)) + ">" +
                 EscapeHtml(link.Name) + "</a></li>";
    }
    std::string text = "<nav class=\"menu\" aria-labelledby=\"menu-tytul\"><h2 id=\"menu-tytul\">menu</h2>";
    if (!links.empty())
        text += "<ul>" + links + "</ul>";
    return text + "</nav>\n";
}

std::string ModernProducts(const ShopPage& page, const ShopSettings& edited, const ModernPictures& pictures) {
    const ShopSettings& s = page.Settings;
    const int columns = std::clamp(s.ProductColumns, 1, 4);
    const std::string caption = IsBlank(s.BasketCaption) ? "Do koszyka" : s.BasketCaption;
    std::string text =
        "<section id=\"produkty\" aria-labelledby=\"produkty-tytul\"><h2 id=\"produkty-tytul\" "
        "class=\"ukryty\">Produkty</h2>\n" +
        ModernSearchBox(page.ItemCount()) + "<div class=\"siatka k" + std::to_string(columns) + "\">\n";
    const int layout = EffectivePageLayout(edited.PageLayout);
    const std::string sizes = PictureSizes(columns, layout == 2 || layout == 3);
    for (int k = 0; k < page.ItemCount(); ++k) {
        const ShopItem& item = page.Item(k);
        const std::string id = "p" + std::to_string(k);
        // The first row takes the second row colour, as on the classic page.
        const bool firstColour = (k / columns) % 2 == 1;
        text += "<article id=\"" + ProductAnchor(k) + "\" class=\"produkt" +
                std::string(firstColour ? " r1" : "") + "\" aria-labelledby=\"" + id + "\">";
        text += "<h3 id=\"" + id + "\">" + EscapeHtml(item.Name) + "</h3>";
        const WebPictureAddress& address = pictures.Items.at(static_cast<std::size_t>(k));
        if (!address.Small.empty())
            text += pictureButton(item, k, address, edited, sizes, columns);
        text += priceText(item.Price);
        text += "<p><button type=\"button\" class=\"dodaj\" data-nr=\"" + std::to_string(k) +
                "\" aria-describedby=\"" + id + "\">" + EscapeHtml(caption) + "</button></p>";
        if (!IsBlank(item.Description))
            text += "<p class=\"opis\">" + EscapeHtml(item.Description) + "</p>";
        text += "</article>\n";
    }
    return text + "</div></section>\n";
}

std::string ModernBasket() {
    return "<section id=\"koszyk\" class=\"panel\" aria-labelledby=\"koszyk-tytul\">"
           "<h2 id=\"koszyk-tytul\" tabindex=\"-1\">Koszyk</h2>"
           "<noscript><p>Koszyk i zamówienie działają po włączeniu JavaScriptu w przeglądarce.</p></noscript>"
           "<p id=\"koszyk-pusty\">Koszyk jest pusty.</p><ul id=\"koszyk-lista\"></ul>"
           "<p class=\"suma\">Razem: <output id=\"koszyk-suma\">0,00\u00A0zł</output></p>"
           "<p><button type=\"button\" id=\"oproznij\" class=\"drugi\" hidden>Opróżnij koszyk</button></p>"
           "<p class=\"blad\" id=\"b-koszyk\"></p></section>\n";
}

std::string ModernOverlays() {
    return "<a class=\"skrot\" href=\"#koszyk\">Koszyk: <span id=\"koszyk-ile\">0 szt.</span></a>\n"
           "<div id=\"komunikat\" role=\"status\" aria-live=\"polite\"></div>\n"
           "<dialog id=\"powiekszenie\" aria-label=\"Powiększone zdjęcie\">"
           "<button type=\"button\" id=\"zamknij\">Zamknij</button></dialog>\n";
}

} // namespace targello
