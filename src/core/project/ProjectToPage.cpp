#include "core/project/ProjectToPage.h"

#include "core/project/SettingsFields.h"
#include "core/project/ProjectTrailer.h"
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
        page.SetItemName(k, DecodeWindows1250(stored.Name));
        std::string price = DecodeWindows1250(stored.Price);
        if (!IsAcceptablePriceText(price)) {
            report.PriceResets.push_back({k, price});
            price = DefaultPriceText;
        }
        page.SetItemPrice(k, std::move(price));
        page.SetItemDescription(k, DecodeWindows1250(stored.Description));
        page.SetItemPicture(k, DecodeWindows1250(stored.PicturePath), ItemPicture::File);
    }
    applySettings(record, page.Settings);
    applyLinks(record, page.Settings);
    ApplyTrailerLines(record.TrailerLines, page.Settings);
    // The page is what the file holds; a price reset is reported, not marked.
    page.MarkSaved();
    return report;
}

} // namespace targello
