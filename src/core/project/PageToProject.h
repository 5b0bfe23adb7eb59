#pragma once

#include "core/project/ProjectOutcome.h"
#include "core/project/ProjectRecord.h"
#include "core/workspace/ShopPage.h"

#include <string>

namespace targello {

// The record of a page as it stands: its settings, the four texts of each
// item and the 30 menu links, converted to Windows-1250. Nothing is cut: a
// text longer than its field, or holding a character Windows-1250 lacks,
// refuses the save with a Polish message naming the item and the field.
ProjectOutcome<ProjectRecord> RecordFromPage(const ShopPage& page);

// The bytes of the project file for `page`, or the reason it cannot be saved.
ProjectOutcome<std::string> ProjectBytesFromPage(const ShopPage& page);

} // namespace targello
