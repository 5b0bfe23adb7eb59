// Writes the shops a stranger's project would make: each order address tries
// to add to the order mail, the menu links try to run code, and the pictures
// and the page carry names a URL cannot hold as they stand. Every shop is
// written both as a classic and as a modern page.
#include "core/generator/GenerateShop.h"
#include "core/modern/GenerateModernShop.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace fs = std::filesystem;
using namespace targello;

namespace {

const char* const PictureNames[] = {"zdjęcie z blankiem.jpg", "50% #1?.jpg", "tab\tw nazwie.jpg",
                                    "wiersz\r\nnowy.jpg", "a,b .jpg"};

const char* const OrderAddresses[] = {"a@b.pl?bcc=x@y.pl&body=Dopisek", "a@b.pl#x",
                                      "a@b.pl%0D%0ABcc:%20x@y.pl"};

const MenuLink Links[] = {
    {"Skrypt", "javascript:document.title='ATAK';alert('ATAK')"},
    {"Skrypt ukryty", " \x01 JaVa\tScR\nipt:document.title='ATAK';alert('ATAK')"},
    {"VBScript", "vbscript:msgbox(\"ATAK\")"},
    {"Dane", "data:text/html,<script>alert('ATAK')</script>ATAK"},
    {"Dane base64", "DATA:text/html;base64,PHNjcmlwdD5hbGVydCgnQVRBSycpPC9zY3JpcHQ+"},
    {"Regulamin", "regulamin.html"},
    {"O nas", "strony/o-nas.html"},
};

ShopPage makePage(const fs::path& pictures) {
    ShopPage page(0, NewPageSettings(EditedSettings::initial().Values));
    for (const char* name : PictureNames) {
        page.InsertItem();
        ShopItem& item = page.Item(page.ItemCount() - 1);
        item.Name = std::string("Produkt ") + std::to_string(page.ItemCount());
        item.Price = "10,00";
        item.PicturePath = (pictures / fs::u8path(name)).string();
    }
    page.Settings.HeaderKind = false;
    page.Settings.ShopTitle = "Sklep";
    return page;
}

bool write(ShopPage& page, const fs::path& folder, int shop, bool modern) {
    EditedSettings edited = EditedSettings::initial();
    LoadPageIntoOptions(page.Settings, edited);
    edited.Values.PageLayout = 2;
    edited.Values.OrderEmail = OrderAddresses[shop];
    for (std::size_t k = 0; k < std::size(Links); ++k)
        edited.Values.MenuLinks[k] = Links[k];
    const std::string output = (folder / fs::u8path((modern ? "nowoczesny " : "klasyczny ") +
                                                    std::to_string(shop) + " 50% #1? ł.html"))
                                   .string();
    std::string error;
    std::size_t warnings = 0;
    if (modern) {
        const ModernShopResult result =
            GenerateModernShop(page, edited.Values, ExportBaseName(output), output);
        error = result.ErrorText + PictureProblemsText(result.UnreadablePictures);
        warnings = result.LinkWarnings.size();
    } else {
        const GenerateResult result = GenerateShop(page, edited.Values, ExportBaseName(output), output);
        error = result.ErrorText;
        for (const MissingPicture& missing : result.MissingPictures)
            error += MissingPictureText(missing);
        warnings = result.LinkWarnings.size();
    }
    if (!error.empty() || warnings != 5) {
        std::cerr << error << " (" << warnings << " link warnings)\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: hostile_shop_fixtures <empty folder> <JPEG picture>\n";
        return 2;
    }
    const fs::path root = fs::absolute(argv[1]);
    const fs::path pictures = root / "zdjecia";
    const fs::path folder = root / "shop";
    fs::create_directories(pictures);
    fs::create_directories(folder / "strony");
    for (const char* name : PictureNames)
        fs::copy_file(argv[2], pictures / fs::u8path(name));
    std::ofstream(folder / "regulamin.html") << "<title>Regulamin</title><p>regulamin</p>";
    std::ofstream(folder / "strony" / "o-nas.html") << "<title>O nas</title><p>o nas</p>";

    ShopPage page = makePage(pictures);
    for (int shop = 0; shop < static_cast<int>(std::size(OrderAddresses)); ++shop)
        for (const bool modern : {false, true})
            if (!write(page, folder, shop, modern))
                return 1;
    return 0;
}
