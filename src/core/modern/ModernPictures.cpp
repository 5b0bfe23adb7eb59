#include "core/modern/ModernPictures.h"

#include "core/generator/HtmlText.h"
#include "core/modern/ModernIcons.h"
#include "core/modern/WebFileName.h"
#include "core/settings/EditedSettings.h"
#include "core/settings/UrlEscape.h"
#include "core/workspace/ShopPage.h"

#include <algorithm>
#include <map>
#include <set>

namespace targello {
namespace {

// Windows and most Mac disks do not tell "A.jpg" from "a.jpg".
std::string folded(std::string_view name) {
    std::string text(name);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

class WebPictureNamer {
public:
    WebPictureNamer(std::string_view baseName, std::string_view outputFolder, PathStyle style,
                    WebPictureKind kind, const PictureNameTaken& outside, ModernPictures& plan)
        : rules_(style), baseName_(baseName), folder_(rules_.Join(outputFolder, baseName)), kind_(kind),
          outside_(outside), plan_(plan) {
        used_.insert(IconFileName); // the shop's icon, which no picture may replace
    }

    std::string IconAddress() const { return addressOf(IconFileName); }

    // The addresses of `source`, planning its job on first use. A width of 0
    // asks for the large copy alone.
    WebPictureAddress Address(const std::string& source, int width, int height) {
        const std::string name = rules_.FileName(source);
        if (name.empty())
            return {};
        const std::string key = source + '\n' + std::to_string(width) + 'x' + std::to_string(height);
        auto known = jobs_.find(key);
        if (known == jobs_.end())
            known = jobs_.emplace(key, newJob(source, name, width, height)).first;
        return known->second;
    }

private:
    WebPictureAddress newJob(const std::string& source, const std::string& name, int width, int height) {
        const std::size_t dot = name.rfind('.');
        const bool hasExtension = dot != std::string::npos && dot != 0 && dot + 1 < name.size();
        const std::string stem = WebFileStem(hasExtension ? name.substr(0, dot) : name);
        const std::string extension = kind_ == WebPictureKind::Encoded ? ".jpg"
                                      : hasExtension ? "." + WebFileStem(name.substr(dot + 1))
                                                     : std::string();
        const std::string size = "-" + std::to_string(width) + "x" + std::to_string(height);
        const std::string middle = "-" + std::to_string(MediumPictureWidth) + "w";
        const bool copies = width > 0 && kind_ == WebPictureKind::Encoded;
        std::string large = stem + extension;
        std::string small = stem + size + extension;
        std::string medium = stem + middle + extension;
        for (int n = 2; taken(large) || (copies && (taken(small) || taken(medium))); ++n) {
            const std::string numbered = stem + "-" + std::to_string(n);
            large = numbered + extension;
            small = numbered + size + extension;
            medium = numbered + middle + extension;
        }
        used_.insert(folded(large));
        WebPictureJob job{source, rules_.Join(folder_, large), {}, 1600, width, height};
        WebPictureAddress address{addressOf(large), addressOf(large), static_cast<int>(plan_.Jobs.size())};
        if (copies) {
            used_.insert(folded(small));
            used_.insert(folded(medium));
            job.SmallTarget = rules_.Join(folder_, small);
            job.MediumTarget = rules_.Join(folder_, medium);
            address.Small = addressOf(small);
            address.Medium = addressOf(medium);
        }
        plan_.Jobs.push_back(std::move(job));
        return address;
    }

    bool taken(const std::string& name) const {
        return used_.count(folded(name)) != 0 || (outside_ && outside_(name));
    }

    std::string addressOf(const std::string& name) const {
        if (baseName_.empty())
            return UrlPathStep(name);
        return UrlPathStep(baseName_) + "/" + UrlPathStep(name);
    }

    PathRules rules_;
    std::string baseName_;
    std::string folder_;
    WebPictureKind kind_;
    const PictureNameTaken& outside_;
    ModernPictures& plan_;
    std::map<std::string, WebPictureAddress> jobs_; // source and size -> its addresses
    std::set<std::string> used_;                    // folded names taken
};

bool hasPicture(const ShopItem& item) {
    return !item.PicturePath.empty() && item.PicturePath != PicturePrompt;
}

} // namespace

int ShownPictureWidth(const ShopSettings& settings) {
    return settings.PictureWidth > 0 ? std::min(settings.PictureWidth, 1600) : 133;
}

int ShownPictureHeight(const ShopSettings& settings) {
    return settings.PictureHeight > 0 ? std::min(settings.PictureHeight, 1600) : 94;
}

ModernPictures PlanModernPictures(const ShopPage& page, const ShopSettings& edited, std::string_view baseName,
                                  std::string_view outputFolder, PathStyle style, WebPictureKind kind,
                                  const PictureNameTaken& taken) {
    ModernPictures plan;
    WebPictureNamer namer(baseName, outputFolder, style, kind, taken, plan);
    // Twice the shown size, for screens with two pixels to the point.
    const int width = 2 * ShownPictureWidth(edited);
    const int height = 2 * ShownPictureHeight(edited);
    for (const ShopItem& item : page.Items())
        plan.Items.push_back(hasPicture(item) ? namer.Address(item.PicturePath, width, height)
                                              : WebPictureAddress{});
    if (page.Settings.UseTexture && page.Settings.TexturePath != TextureSwatchPrompt)
        plan.Texture = namer.Address(page.Settings.TexturePath, 0, 0);
    if (page.Settings.HeaderKind)
        plan.Banner = namer.Address(page.Settings.BannerPath, 0, 0);
    plan.Icon = namer.IconAddress();
    return plan;
}

} // namespace targello
