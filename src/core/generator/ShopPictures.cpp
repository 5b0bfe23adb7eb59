#include "core/generator/ShopPictures.h"

#include "core/generator/HtmlText.h"
#include "core/workspace/ShopPage.h"

#include <algorithm>
#include <map>
#include <set>

namespace targello {
namespace {

// Windows and most Mac disks do not tell "A.jpg" from "a.jpg".
std::string FoldedName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return folded;
}

class PictureNamer {
public:
    PictureNamer(std::string_view baseName, std::string_view outputFolder, PathStyle style,
                 const PictureNameTaken& taken)
        : rules_(style), baseName_(baseName), folder_(rules_.Join(outputFolder, baseName)), taken_(taken) {}

    // The address of the picture `source`, planning its copy on first use.
    std::string Address(const std::string& source, std::vector<PictureCopy>& copies) {
        const std::string name = rules_.FileName(source);
        if (name.empty())
            return AddressOf(name);
        auto known = names_.find(source);
        if (known == names_.end()) {
            known = names_.emplace(source, FreeName(name, source)).first;
            copies.push_back({source, rules_.Join(folder_, known->second)});
        }
        return AddressOf(known->second);
    }

private:
    std::string AddressOf(const std::string& name) const {
        if (baseName_.empty())
            return AddressStepText(name);
        return AddressStepText(baseName_) + "/" + AddressStepText(name);
    }

    std::string FreeName(const std::string& name, const std::string& source) {
        std::string candidate = name;
        const std::size_t dot = name.rfind('.');
        const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
        const std::string extension = name.substr(stem.size());
        for (int n = 2; used_.count(FoldedName(candidate)) != 0 || (taken_ && taken_(candidate, source)); ++n)
            candidate = stem + "-" + std::to_string(n) + extension;
        used_.insert(FoldedName(candidate));
        return candidate;
    }

    PathRules rules_;
    std::string baseName_;
    std::string folder_;
    const PictureNameTaken& taken_;
    std::map<std::string, std::string> names_; // source path -> name in the folder
    std::set<std::string> used_;               // folded names taken
};

} // namespace

ShopPictures PlanShopPictures(const ShopPage& page, std::string_view baseName, std::string_view outputFolder,
                              PathStyle style, const PictureNameTaken& taken) {
    PictureNamer namer(baseName, outputFolder, style, taken);
    ShopPictures pictures;
    pictures.PictureUrls.reserve(page.Items().size());
    for (const ShopItem& item : page.Items())
        pictures.PictureUrls.push_back(namer.Address(item.PicturePath, pictures.Copies));
    pictures.TextureUrl = namer.Address(page.Settings.TexturePath, pictures.Copies);
    pictures.BannerUrl = namer.Address(page.Settings.BannerPath, pictures.Copies);
    return pictures;
}

} // namespace targello
