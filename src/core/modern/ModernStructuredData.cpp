#include "core/modern/ModernStructuredData.h"

#include "core/modern/ModernPictures.h"
#include "core/modern/ModernPriceText.h"
#include "core/modern/ModernText.h"
#include "core/workspace/PriceText.h"
#include "core/workspace/ShopPage.h"

namespace targello {
namespace {

std::string absolute(const std::optional<ShopWebAddress>& web, const std::string& relative) {
    return web ? web->Resolve(relative) : relative;
}

std::string product(const ShopItem& item, int index, std::int64_t price, const WebPictureAddress& picture,
                    const std::optional<ShopWebAddress>& web) {
    const std::string name = IsBlank(item.Name) ? "Produkt " + std::to_string(index + 1) : item.Name;
    const std::string url = (web ? web->Page : std::string()) + "#" + ProductAnchor(index);
    std::string json = "{\"@type\":\"Product\",\"@id\":" + JsonString(url) + ",\"name\":" + JsonString(name) +
                       ",\"description\":" + JsonString(IsBlank(item.Description) ? name : item.Description);
    if (!picture.Large.empty())
        json += ",\"image\":" + JsonString(absolute(web, picture.Large));
    json += ",\"url\":" + JsonString(url);
    json += ",\"offers\":{\"@type\":\"Offer\",\"price\":" + DecimalPrice(price) +
            ",\"priceCurrency\":\"PLN\",\"availability\":\"https://schema.org/InStock\",\"url\":" +
            JsonString(url) + "}}";
    return json;
}

} // namespace

std::string ProductAnchor(int index) {
    return "produkt-" + std::to_string(index + 1);
}

std::string ModernProductData(const ShopPage& page, const ModernPictures& pictures,
                              const std::optional<ShopWebAddress>& web) {
    std::string products;
    for (int k = 0; k < page.ItemCount(); ++k) {
        const std::optional<std::int64_t> price = PriceInTenThousandths(page.Item(k).Price);
        if (!price || *price < 0)
            continue;
        products += (products.empty() ? "" : ",\n") +
                    product(page.Item(k), k, *price, pictures.Items.at(static_cast<std::size_t>(k)), web);
    }
    return "{\"@context\":\"https://schema.org\",\"@graph\":[\n" + products + "]}";
}

} // namespace targello
