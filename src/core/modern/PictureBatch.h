#pragma once

#include "core/modern/PictureStamps.h"
#include "core/modern/WebPictureJob.h"

#include <functional>
#include <string>
#include <vector>

namespace targello {

// Makes the copies of one job; runs on worker threads, so it must not touch
// shared state.
using WebPictureMaker = std::function<WebPictureOutcome(const WebPictureJob&)>;

// Called on the calling thread with the pictures done and planned; returning
// false cancels the run (pictures in progress finish, no new one starts).
using WebPictureProgress = std::function<bool(int done, int total)>;

struct PictureBatchResult {
    std::vector<WebPictureOutcome> Outcomes; // one per job; Reason set where it failed
    std::vector<bool> Done;                  // false for jobs a cancel left undone
    std::vector<bool> Kept;                  // true for jobs whose copies were already made
    int Made = 0;
    int Unchanged = 0;
    bool Cancelled = false;
};

// Runs `jobs` on every core with `maker`, skipping jobs whose copies
// `stamps` show as made from the source as it is now; recording what was
// made is the caller's, who knows where the new copies stand. A source that is no regular file (missing, a
// folder, a FIFO or a device, which could block a reader for ever) is refused with its reason before anything
// opens it.
PictureBatchResult RunPictureBatch(const std::vector<WebPictureJob>& jobs, const PictureStamps& stamps,
                                   const WebPictureMaker& maker, const WebPictureProgress& progress);

// Copies the source unchanged as the large copy (and the small one where it
// has a name of its own), for builds without a picture library: a file that
// does not begin like a picture a browser shows is refused.
WebPictureOutcome CopyWebPicture(const WebPictureJob& job);

} // namespace targello
