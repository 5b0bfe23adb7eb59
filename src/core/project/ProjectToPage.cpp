#include "core/project/ProjectToPage.h"

#include "core/project/SettingsFields.h"
#include "core/project/Windows1250.h"
#include "core/workspace/PriceText.h"

namespace targello {
namespace {

void applySettings(const ProjectRecord& r, ShopSettings& s) {
    ForEachPlainSetting([&](auto setting, auto field) { s.*setting = r.*field; });
    ForEachTextSetting(
        [&](auto setting, auto text, ProjectField) { s.*setting = DecodeWindows1250(r.*text); });
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
    return report;
}

} // namespace targello
