// Writes the sample shop's project file. The paths inside are relative, so
// the sample works from this folder wherever the repository lies:
//   cd examples && targello-export sklep.esk /tmp/sklep.html
#include "core/project/ProjectSave.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <iostream>

using namespace targello;

namespace {

struct Product {
    const char* Name;
    const char* Price;
    const char* Description;
    const char* Picture;
};

const Product Products[] = {
    {"Miód lipowy 400 g", "24,90",
     "Z pasieki w Borach Tucholskich.\r\nJasny, o wyraźnym zapachu kwitnącej lipy.", "miod-lipowy"},
    {"Miód gryczany 400 g", "27,50", "Ciemny i korzenny, świetny do pierników.", "miod-gryczany"},
    {"Konfitura z wiśni", "16,00", "Wiśnie z sadu pod Łąckiem, mało cukru.\r\nSłoik 280 g.",
     "konfitura-wisnia"},
    {"Powidła śliwkowe", "18,40", "Smażone trzy dni w miedzianym kotle, bez cukru.", "powidla"},
    {"Sok z czarnej porzeczki 0,5 l", "12,90", "Tłoczony na zimno, niepasteryzowany.", "sok-porzeczka"},
    {"Ogórki kiszone", "11,00", "Z koprem, czosnkiem i liściem chrzanu.\r\nSłoik 900 ml.", "ogorki"},
    {"Grzyby suszone 50 g", "32,00", "Prawdziwki zbierane w Puszczy Knyszyńskiej.", "grzyby"},
    {"Herbata z suszu jabłkowego", "14,50", "Jabłko, dzika róża i szczypta cynamonu.", "herbata-jablko"},
    {"Pierniki toruńskie 200 g", "19,90", "Miękkie, w gorzkiej czekoladzie.", "pierniki"},
    {"Krówki ciągutki 250 g", "9,99", "Ręcznie krojone, ciągnące się jak trzeba.", "krowki"},
    {"Ser koryciński", "38,00", "Z mleka niepasteryzowanego, dojrzewa dwa tygodnie.\r\nCena za 1 kg.", "ser"},
    {"Kosz prezentowy „Smaki Podlasia”", "149,00",
     "Miód, powidła, grzyby, pierniki i krówki w wiklinowym koszu.\r\nIdealny na święta.", "kosz-prezentowy"},
};

void fillShop(ShopPage& page) {
    ShopSettings& s = page.Settings;
    s.ProductColumns = 3;
    for (const Product& product : Products) {
        page.InsertItem();
        ShopItem& item = page.Item(page.ItemCount() - 1);
        item.Name = product.Name;
        item.Price = product.Price;
        item.Description = product.Description;
        item.PicturePath = std::string("obrazki/") + product.Picture + ".jpg";
        item.Picture = ItemPicture::File;
    }
    s.ShopTitle = "Spiżarnia pod Lipą";
    s.HeaderKind = false;
    s.BasketCaption = "do koszyka";
    s.OrderEmail = "zamowienia@spizarnia.example.pl";
    s.UseTexture = true;
    s.TexturePath = "tekstura.jpg";
    s.HeaderColor = RgbColor::fromHex("#6B4F2A");
    s.FooterColor = RgbColor::fromHex("#6B4F2A");
    s.MenuColor = RgbColor::fromHex("#6B4F2A");
    s.MenuBackColor = RgbColor::fromHex("#F3E6CC");
    s.PageLayout = 2;
    s.OrderFormKind = true;
    s.MenuLinks[0] = {"O nas", "https://spizarnia.example.pl/o-nas.html"};
    s.MenuLinks[1] = {"Dostawa i płatność", "https://spizarnia.example.pl/dostawa.html"};
    s.MenuLinks[2] = {"Napisz do nas", "mailto:kontakt@spizarnia.example.pl"};
}

} // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "sklep.esk";
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    fillShop(page);
    const std::string error = SaveProject(page, path);
    if (!error.empty()) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
}
