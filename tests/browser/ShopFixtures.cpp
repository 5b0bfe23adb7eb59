// Writes the shops the browser test opens: the same five products in each of
// the four page layouts, both kinds of order form, pictures of one name from
// two folders and menu links into a sibling folder.
#include "core/generator/GenerateShop.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace fs = std::filesystem;
using namespace targello;

namespace {

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string Picture(int size) {
    const std::string s = std::to_string(size);
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width=")" + s + R"(" height=")" + s + R"("/>)";
}

ShopPage MakePage(const fs::path& root) {
    ShopPage page(0, NewPageSettings(EditedSettings::initial().Values));
    struct Product {
        const char* Name;
        const char* Price;
        std::string Picture;
    };
    const Product products[] = {
        {"Kubek 'Ósemka'", "12,50", (root / "zdjecia" / "a" / "kubek.svg").string()},
        {R"(Płyta "Łódź" <b>nowość</b>)", "0,99", (root / "zdjecia" / "b" / "kubek.svg").string()},
        {"Zażółć gęślą jaźń €", "1,5e2", PicturePrompt},
        {"Bez ceny", "", PicturePrompt},
        {"Myślnik", "-", PicturePrompt},
    };
    for (const Product& product : products) {
        page.InsertItem();
        ShopItem& item = page.Item(page.ItemCount() - 1);
        item.Name = product.Name;
        item.Price = product.Price;
        item.Description = "Opis: " + std::string(product.Name);
        item.PicturePath = product.Picture;
    }
    page.Settings.HeaderKind = false;
    page.Settings.ShopTitle = "Sklep „Pod Żółwiem”";
    return page;
}

EditedSettings MakeOptions(const ShopPage& page, const fs::path& root, int layout) {
    EditedSettings edited = EditedSettings::initial();
    LoadPageIntoOptions(page.Settings, edited);
    edited.Values.PageLayout = layout;
    edited.Values.OrderFormKind = layout == 1 || layout == 2;
    edited.Values.OrderEmail = "sklep" + std::to_string(layout) + "@example.com";
    if (layout == 3)
        edited.Values.OrderEmail += "?subject=Zamówienie";
    edited.Values.MenuLinks[0] = {"Cennik", (root / "shopping" / "cennik.htm").string()};
    edited.Values.MenuLinks[1] = {"O nas", (root / "shop" / "info" / "o nas.htm").string()};
    return edited;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: shop_fixtures <empty folder>\n";
        return 2;
    }
    const fs::path root = fs::absolute(argv[1]);
    WriteFile(root / "zdjecia" / "a" / "kubek.svg", Picture(10));
    WriteFile(root / "zdjecia" / "b" / "kubek.svg", Picture(20));
    WriteFile(root / "shopping" / "cennik.htm", "<p>cennik</p>");
    WriteFile(root / "shop" / "info" / "o nas.htm", "<p>o nas</p>");

    const ShopPage page = MakePage(root);
    for (int layout = 0; layout <= 3; ++layout) {
        const std::string name = "layout" + std::to_string(layout);
        const std::string output = (root / "shop" / (name + ".html")).string();
        const GenerateResult result =
            GenerateShop(page, MakeOptions(page, root, layout).Values, ExportBaseName(output), output);
        if (!result.Succeeded) {
            std::cerr << result.ErrorText << '\n';
            return 1;
        }
    }
    return 0;
}
