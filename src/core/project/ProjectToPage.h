#pragma once

#include "core/project/ProjectRecord.h"
#include "core/workspace/ShopPage.h"

#include <string>
#include <vector>

namespace targello {

// A stored price that failed the price check and was replaced by "0,00".
struct PriceReset {
    int Item = 0;         // index of the item, from 0
    std::string Rejected; // the stored text, UTF-8
};

// What the caller has to tell the user after applying a project.
struct ProjectApplyReport {
    std::vector<PriceReset> PriceResets; // in item order
};

// Rebuilds a read project on `page`, a page fresh from NewPage: the column
// count first (it places the items), then each item with its name, price
// (checked as if typed), description and picture path, the picture marked
// File (the caller marks it Missing if it cannot be loaded), then the
// settings and the 30 menu links. Texts are converted to UTF-8. The page
// comes out unchanged; the caller names its file with SetProjectPath.
ProjectApplyReport ApplyProjectToPage(const ProjectRecord& record, ShopPage& page);

} // namespace targello
