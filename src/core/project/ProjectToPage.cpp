#include "core/project/ProjectToPage.h"

#include "core/project/ProjectTrailer.h"
#include "core/project/Windows1250.h"
#include "core/workspace/PriceText.h"

namespace targello {
namespace {

void applySettings(const ProjectRecord& r, ShopSettings& s) {
    s.RowColor1 = r.RowColor1;
    s.RowColor2 = r.RowColor2;
    s.HeaderColor = r.HeaderColor;
    s.MenuBackColor = r.MenuBackColor;
    s.MenuColor = r.MenuColor;
    s.FooterColor = r.FooterColor;
    s.PageLayout = r.PageLayout;
    s.ColorScheme = r.ColorScheme;
    s.PictureWidth = r.PictureWidth;
    s.PictureHeight = r.PictureHeight;
    s.OrderFormKind = r.OrderFormKind;
    s.TexturePath = DecodeWindows1250(r.TexturePath);
    s.BannerPath = DecodeWindows1250(r.BannerPath);
    s.BasketCaption = DecodeWindows1250(r.BasketCaption);
    s.ShopTitle = DecodeWindows1250(r.ShopTitle);
    s.OrderEmail = DecodeWindows1250(r.OrderEmail);
    s.HeaderKind = r.HeaderKind;
    s.UseTexture = r.UseTexture;
}

void applyLinks(const ProjectRecord& r, ShopSettings& s) {
    for (std::size_t k = 0; k < r.Links.size(); ++k) {
        s.MenuLinks[k].Name = DecodeWindows1250(r.Links[k].Name);
        s.MenuLinks[k].Path = DecodeWindows1250(r.Links[k].Path);
    }
}

} // namespace

ProjectApplyReport ApplyProjectToPage(const ProjectRecord& record, ShopPage& page) {
    ProjectApplyReport report;
    page.Settings.ProductColumns = record.ProductColumns;
    for (const ProjectItem& stored : record.Items) {
        if (page.InsertItem() != InsertOutcome::Inserted)
            break;
        const int k = page.ItemCount() - 1;
        ShopItem& item = page.Item(k);
        item.Name = DecodeWindows1250(stored.Name);
        item.Price = DecodeWindows1250(stored.Price);
        if (!IsAcceptablePriceText(item.Price)) {
            report.PriceResets.push_back({k, item.Price});
            item.Price = DefaultPriceText;
        }
        item.Description = DecodeWindows1250(stored.Description);
        item.PicturePath = DecodeWindows1250(stored.PicturePath);
        item.Picture = ItemPicture::File;
    }
    applySettings(record, page.Settings);
    applyLinks(record, page.Settings);
    ApplyTrailerLines(record.TrailerLines, page.Settings);
    return report;
}

} // namespace targello
