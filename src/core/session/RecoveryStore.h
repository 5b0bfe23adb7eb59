#pragma once

#include "core/project/ProjectRecord.h"
#include "core/project/ProjectToPage.h"
#include "core/session/RecoveryNote.h"
#include "core/session/RunningProcess.h"
#include "core/workspace/ShopPage.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace targello {

// A recovery copy left by a program that is gone, checked as a whole.
struct RecoveryEntry {
    std::string Key;          // names the copy in the store
    RecoveryNote Note;        // caption and the user's file
    std::int64_t SavedAt = 0; // when the copy was written, seconds since 1970 (UTC)
    ProjectRecord Project;
};

// A copy that cannot be read, with the Polish message that says why.
struct DamagedRecovery {
    std::string Key;
    std::string Message;
};

struct RecoveryScan {
    std::vector<RecoveryEntry> Entries; // oldest first
    std::vector<DamagedRecovery> Damaged;
};

struct RecoveryWrite {
    std::string Error; // empty when the copy was written
    // True for the first failure after the start or after a good write, so
    // that the user hears of a folder that cannot be written once.
    bool Tell = false;
};

// The recovery copies in one folder, shared by every running copy of the
// program. Each copy is a project file with a note beside it, named by the
// process that wrote it and its page; a copy whose process still runs is
// never read, renamed or removed by another process.
class RecoveryStore {
public:
    explicit RecoveryStore(std::string folder, std::int64_t process = CurrentProcessId());

    const std::string& Folder() const { return folder_; }

    // Writes the page's copy atomically (the note first when it changed,
    // then the project), replacing the previous one.
    RecoveryWrite Write(const ShopPage& page);

    // Removes the page's copy: the page was saved, or the user chose not to
    // keep its changes, or it closed.
    void Remove(const ShopPage& page);
    // Removes every copy of this process: the program ends cleanly.
    void RemoveOwn();

    // Takes over the copies whose process is gone (renaming them to this
    // process, so that a second program starting now leaves them alone) and
    // returns them. A copy whose project cannot be read is reported, not
    // offered; it stays until RemoveOwn or Discard like any taken copy.
    RecoveryScan TakeOrphans();

    // Removes a taken copy the user recovered or declined.
    void Discard(const std::string& key);
    // After a page was rebuilt from the taken copy `key`: writes the page's
    // own copy, and only once that is safe removes the taken one.
    RecoveryWrite Adopt(const std::string& key, const ShopPage& page);

private:
    std::string folder_;
    std::int64_t process_;
    bool failing_ = false;
    int taken_ = 0;
    std::map<std::string, RecoveryNote> notes_; // as last written, by key

    std::string pageKey(const ShopPage& page) const;
    RecoveryWrite failed(std::string message);
    bool take(const std::string& key, std::string& ownKey);
    RecoveryScan readTaken(const std::vector<std::string>& keys) const;
};

// Rebuilds a recovered page on `page`, a page fresh from NewPage: the
// project as in ApplyProjectToPage, named by the user's file and marked as
// changed, since its work is not in that file.
ProjectApplyReport RestoreRecoveredPage(const RecoveryEntry& entry, ShopPage& page);

} // namespace targello
