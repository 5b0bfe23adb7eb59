#pragma once

#include "core/settings/PathRules.h"

#include <functional>
#include <string>
#include <string_view>

namespace targello {

class ShopPage;
struct ShopSettings;

// What a generation run did. Pictures never stop a run: one that cannot be
// copied leaves the page pointing to a file that is not there.
struct GenerateResult {
    bool Succeeded = true;
    std::string ErrorText; // in Polish, naming the path; empty on success
    int PicturesCopied = 0;
    int PicturesUnchanged = 0; // skipped: the copy already had the source's size and time
    int PicturesFailed = 0;
};

// Called after each picture copy with the number done and the number planned.
using GenerateProgress = std::function<void(int done, int total)>;

// Writes `page` as the HTML file `outputPath` (ISO-8859-2, exactly the page's
// bytes) and copies its item pictures, texture and banner into the folder
// `baseName` beside it. `edited` is the options dialog's working copy, from
// which the layout, the header, menu and footer colours, the menu links, the
// picture size and the order form come. Menu links are made relative to the
// folder of `outputPath`.
GenerateResult GenerateShop(const ShopPage& page, const ShopSettings& edited, std::string_view baseName,
                            std::string_view outputPath, PathStyle style = NativePathStyle(),
                            const GenerateProgress& progress = {});

// The picture folder's name for an export to `chosenPath`: the chosen file
// name before its last "." ("a.b.html" gives "a.b", a name without "." gives "").
std::string ExportBaseName(std::string_view chosenPath, PathStyle style = NativePathStyle());

} // namespace targello
