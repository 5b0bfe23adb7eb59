#include "core/modern/ModernHeadMeta.h"

#include "core/modern/ModernPictures.h"
#include "core/modern/ModernText.h"
#include "core/workspace/ShopPage.h"

namespace targello {
namespace {

// Descriptions made from the products stop near the length search engines show.
constexpr std::size_t MadeDescriptionLength = 155;

std::string collapsed(std::string_view text) {
    std::string out;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string shopTitle(const ShopSettings& settings) {
    const std::string title = collapsed(settings.ShopTitle);
    return title.empty() ? "Sklep" : title;
}

std::string meta(const char* kind, const char* name, const std::string& content) {
    return std::string("<meta ") + kind + "=\"" + name + "\" content=\"" + EscapeHtml(content) + "\">\n";
}

std::string link(const char* rel, const std::string& address, const char* type = nullptr) {
    return std::string("<link rel=\"") + rel + "\" href=\"" + EscapeHtml(address) + "\"" +
           (type ? std::string(" type=\"") + type + "\"" : "") + ">\n";
}

const WebPictureAddress* previewPicture(const ShopPage& page, const ModernPictures& pictures) {
    if (page.Settings.HeaderKind && !pictures.Banner.Large.empty())
        return &pictures.Banner;
    for (const WebPictureAddress& item : pictures.Items)
        if (!item.Large.empty())
            return &item;
    return nullptr;
}

} // namespace

std::string ShopDescription(const ShopPage& page) {
    if (std::string own = collapsed(page.Settings.Description); !own.empty())
        return own;
    std::string text = shopTitle(page.Settings);
    int named = 0;
    for (const ShopItem& item : page.Items()) {
        const std::string name = collapsed(item.Name);
        if (name.empty())
            continue;
        const std::string next = (named ? ", " : ": ") + name;
        if (named > 0 && text.size() + next.size() > MadeDescriptionLength) {
            text += named ? " i inne" : "";
            break;
        }
        text += next;
        ++named;
    }
    return text + ".";
}

std::string ModernHeadMeta(const ShopPage& page, const ShopSettings& edited, const ModernPictures& pictures,
                           const std::optional<ShopWebAddress>& web) {
    const std::string description = ShopDescription(page);
    std::string text = meta("name", "description", description);
    if (web)
        text += link("canonical", web->Page);
    text += meta("property", "og:type", "website") + meta("property", "og:locale", "pl_PL") +
            meta("property", "og:title", shopTitle(page.Settings)) +
            meta("property", "og:description", description);
    if (web)
        text += meta("property", "og:url", web->Page);
    if (const WebPictureAddress* picture = previewPicture(page, pictures)) {
        text += meta("property", "og:image", web ? web->Resolve(picture->Large) : picture->Large);
        if (picture->Width > 0 && picture->Height > 0)
            text += meta("property", "og:image:width", std::to_string(picture->Width)) +
                    meta("property", "og:image:height", std::to_string(picture->Height));
    }
    text += meta("name", "theme-color", CssColor(edited.HeaderColor));
    if (!pictures.Icon.empty())
        text += link("icon", pictures.Icon, "image/svg+xml");
    if (page.Settings.HeaderKind && !pictures.Banner.Large.empty())
        text += link("apple-touch-icon", pictures.Banner.Large);
    return text;
}

} // namespace targello
