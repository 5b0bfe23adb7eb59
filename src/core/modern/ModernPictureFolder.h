#pragma once

#include "core/modern/PictureBatch.h"
#include "core/modern/PictureStamps.h"
#include "core/modern/WebPictureJob.h"

#include <string>
#include <system_error>
#include <vector>

namespace targello {

class ExportTransaction;

// The hidden name beside `target` (UTF-8) that a new copy is made under until
// the export puts every file in its place at once: ".name.targello-new".
std::string StagingName(const std::string& target);

// The picture folder of a modern export as the export sees it: the copies it
// wrote there (its stamps), the names it may not take, and the new copies on
// their way in. Everything else in the folder is the user's and stays as it is.
class ModernPictureFolder {
public:
    explicit ModernPictureFolder(std::string folder);

    // Whether a copy must not be written as `name`: a folder, a FIFO or a
    // file the export did not write stands there (or a file the export keeps
    // for itself would be overwritten).
    bool Taken(const std::string& name) const;

    const PictureStamps& Stamps() const { return stamps_; }

    // Removes what a run that was cut off left behind for the copies of
    // `jobs` and those the stamps name (staged copies, temporaries), so that
    // only copies this run makes are put in place.
    void ClearUnfinished(const std::vector<WebPictureJob>& jobs) const;

    // Hands the copies `batch` made to `transaction`, to be renamed into place
    // with the page, and stages the stamps that describe them.
    std::error_code Stage(const std::vector<WebPictureJob>& jobs, const PictureBatchResult& batch,
                          ExportTransaction& transaction);

private:
    std::string folder_;
    PictureStamps stamps_;
};

} // namespace targello
