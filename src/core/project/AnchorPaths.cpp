#include "core/project/AnchorPaths.h"

#include "core/project/Utf8Path.h"

namespace targello {

namespace {

void Anchor(std::string& path, const std::filesystem::path& folder) {
    if (path.empty() || !PathFromUtf8(path).is_relative())
        return;
    path = Utf8FromPath((folder / PathFromUtf8(path)).make_preferred());
}

} // namespace

void AnchorPaths(ProjectRecord& record, std::string_view folder) {
    const std::filesystem::path base = PathFromUtf8(folder);
    Anchor(record.TexturePath, base);
    Anchor(record.BannerPath, base);
    for (ProjectItem& item : record.Items)
        Anchor(item.PicturePath, base);
}

} // namespace targello
