#include "core/generator/ProductSection.h"

#include "core/generator/BasketScript.h"
#include "core/generator/HtmlText.h"
#include "core/generator/ShopPictures.h"
#include "core/workspace/PriceText.h"
#include "core/workspace/ShopPage.h"

#include <algorithm>

namespace targello {
namespace {

// The add-to-basket button's handler. The price goes in as a JavaScript
// number ("12,50" would read as 12); the name is escaped for the script
// string inside the attribute.
std::string BasketHandler(const ShopItem& item, int index) {
    const std::string name = ScriptStringText(item.Name);
    const std::string k = std::to_string(index);
    std::string text;
    text += R"(ONCLICK=")";
    text += "msg=&quot;";
    text += "Dodano do koszyka " + name;
    text += R"(\nWypełnij formularz aby wysłać zamowienie.\nWartość zamowienia wynosi )";
    text += "&quot;;c=" + PriceAsScriptNumber(item.Price);
    text += ";s+=c;msg+=kwota(s);msg+=' PLN';";
    text += "il[" + k + "]++;";
    text += "n[" + k + "]='" + name + "';";
    text += R"(alert(msg);">)";
    return text;
}

std::string TableOpening(const ShopPage& page, const ShopPictures& pictures) {
    if (!page.Settings.UseTexture)
        return R"(<BODY bgcolor="#ffffff"><TABLE width=100% border=0 cellpadding=4 cellspacing=0>)";
    const std::string texture = AttributeText(pictures.TextureUrl);
    return R"(<BODY bgcolor="#ffffff" background=")" + texture + R"(">)" + R"(<TABLE background=")" +
           texture + R"(" width=100% border=0 cellpadding=4 cellspacing=0>)";
}

// The first row takes RowColor2, the second RowColor1, and so on.
std::string CellOpening(const ShopSettings& settings, int row) {
    if (settings.UseTexture)
        return R"(<TH><TD valign=top align=center><font face="Arial" size=2>)";
    const std::string color = HtmlColor(row % 2 == 1 ? settings.RowColor1 : settings.RowColor2);
    return R"(<TH bgcolor=")" + color + R"("><TD valign=top align=center bgcolor=")" + color +
           R"("><font face="Arial" size=2>)";
}

} // namespace

std::size_t ApproximateSize(const ShopPage& page) {
    std::size_t size = 4096;
    for (const ShopItem& item : page.Items())
        size += 640 + 3 * item.Name.size() + item.Price.size() + item.Description.size();
    return size;
}

std::string ItemCell(const ShopPage& page, int index, const ShopSettings& edited,
                     const ShopPictures& pictures) {
    const ShopItem& item = page.Item(index);
    const std::string& pictureUrl = pictures.PictureUrls.at(static_cast<std::size_t>(index));
    const bool left = std::clamp(page.Settings.ProductColumns, 1, 4) == 1;
    const std::string align = left ? "left" : "center";
    std::string text;
    text += "<B><P align=" + align + ">" + item.Name;
    text += "<BR clear=" + align + ">";
    text += R"(<IMG src=")" + AttributeText(pictureUrl) + R"(" align=)" + (left ? "left" : "top") +
            " width=" + std::to_string(edited.PictureWidth) +
            " height=" + std::to_string(edited.PictureHeight) + ">";
    if (left)
        text += "<BR clear=left>";
    text += "</B><P align=" + align + ">" + item.Price + " PLN ";
    text += "<BR clear=" + align + ">";
    text += R"(<INPUT type="BUTTON" )" + align + R"( value=")" + AttributeText(page.Settings.BasketCaption) +
            R"(")";
    text += BasketHandler(item, index);
    text += "<P align=justify>" + item.Description;
    // No "</TR>" here: it would end the row after every cell, and browsers
    // would show one product per row whatever the number of columns.
    text += "<P></TH>";
    return text;
}

std::string ProductSection(const ShopPage& page, const ShopSettings& edited, const ShopPictures& pictures) {
    const ShopSettings& settings = page.Settings;
    const int columns = std::clamp(settings.ProductColumns, 1, 4);
    // Every item gets its cell even when the layout cursor lags behind.
    const int rows = std::max(page.Cursor().RowIndex + 1, (page.ItemCount() + columns - 1) / columns);

    std::string text;
    text.reserve(ApproximateSize(page));
    text += BasketScript();
    text += "</HEAD>";
    text += TableOpening(page, pictures);
    int i = 0;
    for (int row = 0; row < rows; ++row) {
        text += "<TR>";
        for (int column = 0; column < columns; ++column, ++i) {
            text += CellOpening(settings, row);
            if (i < page.ItemCount())
                text += ItemCell(page, i, edited, pictures);
        }
    }
    text += "</TR></TH></TD></TABLE>";
    return text;
}

} // namespace targello
