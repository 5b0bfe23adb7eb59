// Writes the project that the Windows and the Linux export are compared on:
//   targello-comparison-project PROJECT.esk ROOT SEPARATOR
// Every path in it lies under ROOT ("T:" on Windows, a folder on Linux) and
// is joined with SEPARATOR, so the two projects differ in path texts alone.
// The names hold Polish letters, blanks and "#", two pictures share a file
// name, one picture is missing and one price is no amount, so that both
// exports also warn alike.
#include "cli/ConsoleSession.h"
#include "core/project/ProjectSave.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <iostream>
#include <string>

using namespace targello;

namespace {

struct Product {
    const char* Name;
    const char* Price;
    const char* Picture; // below the user's folder, parts split by '|'
};

const Product Products[] = {
    {"Miód lipowy „Łucja”", "24,90", "Zdjęcia|miód.jpg"},
    {"Miód z wakacji", "1 234,50", "Zdjęcia|Wakacje 2024|miód.jpg"}, // replaced by "0,00"
    {"Żółta ćma #1", "9,99", "Zdjęcia|żółta ćma #1.jpg"},
    {"Zgubione zdjęcie", "5,00", "Zdjęcia|nie ma takiego.jpg"},
};

std::string userPath(const std::string& root, const std::string& separator, std::string parts) {
    std::string path = root + separator + "Users" + separator + "Łucja";
    for (std::size_t bar = parts.find('|'); bar != std::string::npos; bar = parts.find('|'))
        parts.replace(bar, 1, separator);
    return path + separator + parts;
}

void fillShop(ShopPage& page, const std::string& root, const std::string& separator) {
    for (const Product& product : Products) {
        page.InsertItem();
        ShopItem& item = page.Item(page.ItemCount() - 1);
        item.Name = product.Name;
        item.Price = product.Price;
        item.Description = "Opis z polskimi literami: zażółć gęślą jaźń.";
        item.PicturePath = userPath(root, separator, product.Picture);
        item.Picture = ItemPicture::File;
    }
    ShopSettings& s = page.Settings;
    s.ShopTitle = "Sklep Łucji";
    s.OrderEmail = "lucja@example.pl";
    s.UseTexture = true;
    s.TexturePath = userPath(root, separator, "Tekstury|len ąę.jpg");
    s.HeaderKind = true;
    s.BannerPath = userPath(root, separator, "Zdjęcia|baner sklepu.jpg");
    s.MenuLinks[0] = {"Cennik", userPath(root, separator, "Dokumenty|cennik ąę.html")};
    s.MenuLinks[1] = {"O nas", "https://example.pl/o-nas.html"};
    s.MenuLinks[2] = {"Napisz", "mailto:łucja@example.pl"};
}

} // namespace

int main(int argc, char** argv) {
    const ConsoleSession console(argc, argv);
    const std::vector<std::string>& args = console.Arguments();
    if (args.size() != 3) {
        std::cerr << "Użycie: targello-comparison-project PROJEKT.esk KORZEŃ SEPARATOR\n";
        return 2;
    }
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    fillShop(page, args[1], args[2]);
    const std::string error = SaveProject(page, args[0]);
    if (!error.empty()) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
}
