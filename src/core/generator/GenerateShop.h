#pragma once

#include "core/settings/PathRules.h"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace targello {

class ShopPage;
struct ShopSettings;

// A picture the page shows but that could not be copied: its source as the
// project names it and the Polish reason ("plik nie istnieje", "to jest
// folder", "to nie jest zwykły plik", "brak uprawnień", …).
struct MissingPicture {
    std::string Source;
    std::string Reason;

    friend bool operator==(const MissingPicture&, const MissingPicture&) = default;
};

// What a generation run did. A picture that cannot be read never stops a run:
// the page is written without it and the picture is listed. Anything else
// that fails (a full disk, an output that is no regular file) or a
// cancellation leaves the previous page and pictures exactly as they were.
struct GenerateResult {
    bool Succeeded = true;
    bool Cancelled = false;
    std::string ErrorText; // in Polish, naming the path and the reason; empty on success
    int PicturesCopied = 0;
    int PicturesUnchanged = 0; // skipped: the copy already had the source's size and time
    int PicturesFailed = 0;    // the number of MissingPictures
    std::vector<MissingPicture> MissingPictures;
    // One line per menu link the page shows without its address because it
    // would run code (see MenuLinkWarnings); the page is whole all the same.
    std::vector<std::string> LinkWarnings;
};

// "Obrazek „C:\zdjęcia\a.jpg” nie został skopiowany: plik nie istnieje." The
// line that tells the user about one missing picture.
std::string MissingPictureText(const MissingPicture& picture);

// Called after each picture copy with the number done and the number planned.
using GenerateProgress = std::function<void(int done, int total)>;

// Writes `page` as the HTML file `outputPath` (ISO-8859-2, exactly the page's
// bytes) and copies its item pictures, texture and banner into the folder
// `baseName` beside it, all or nothing: the page and the copies are written
// under temporary names and renamed into place at the end. A file in the
// picture folder that no earlier export wrote is never replaced: the picture
// takes a free name instead. An empty `baseName` is refused (the pictures
// would land among the user's files beside the page). `edited` is the options dialog's working copy, from
// which the layout, the header, menu and footer colours, the menu links, the
// picture size and the order form come. Menu links are made relative to the
// folder of `outputPath`. The run stops as soon as it sees `cancel` set (the
// progress dialog's "Anuluj" sets it, from the progress callback or any
// thread), leaving the previous export as it was.
GenerateResult GenerateShop(const ShopPage& page, const ShopSettings& edited, std::string_view baseName,
                            std::string_view outputPath, PathStyle style = NativePathStyle(),
                            const GenerateProgress& progress = {}, const std::atomic<bool>* cancel = nullptr);

// The picture folder's name for an export to `chosenPath`: the chosen file
// name before its last "." ("a.b.html" gives "a.b", a name without "." gives "").
std::string ExportBaseName(std::string_view chosenPath, PathStyle style = NativePathStyle());

} // namespace targello
