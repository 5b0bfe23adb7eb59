#pragma once

#include "core/generator/ShopPictures.h"

#include <atomic>
#include <string>

namespace targello {

class ExportTransaction;

enum class CopyOutcome {
    Copied,     // staged in the transaction
    Unchanged,  // the target already had the source's size and modification time
    Unreadable, // the source is missing, a folder, a FIFO or cannot be read: see the reason
    NotWritten, // the copy could not be written (a full disk): see the reason
    Cancelled,
};

struct PictureCopyResult {
    CopyOutcome Outcome = CopyOutcome::Copied;
    std::string Reason; // Polish, for Unreadable and NotWritten
};

// Stages a copy of one picture (paths UTF-8) in `transaction`, unless the
// target already has the source's size and modification time. The copy gets
// the source's modification time, so that the next run can skip it while the
// source stays unchanged.
PictureCopyResult StagePictureCopy(const PictureCopy& copy, ExportTransaction& transaction,
                                   const std::atomic<bool>* cancel = nullptr);

// Whether the file `target` has the size and modification time of `source`.
bool SameSizeAndTime(const std::string& source, const std::string& target);

} // namespace targello
