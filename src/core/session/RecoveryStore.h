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

// What one recovery copy holds, taken from a page on the thread that owns the
// page, so that the disk work can happen on another thread.
struct RecoverySnapshot {
    std::string Key;     // names the copy in the store
    RecoveryNote Note;   // caption and the user's file
    std::string Project; // the project file's bytes
    std::string Problem; // why the page cannot be written as a project; empty when it can
};

// The recovery copies in one folder, shared by every running copy of the
// program. Each copy is a project file with a note beside it, named by the
// process that wrote it and its page; a copy whose process still runs is
// never read, renamed or removed by another process.
//
// A store remembers what it wrote and whether writing fails, unguarded: one
// thread at a time may use it. Key and Snapshot read only the page and the
// process id, so the page's own thread may call them while another writes.
class RecoveryStore {
public:
    explicit RecoveryStore(std::string folder, std::int64_t process = CurrentProcessId());

    const std::string& Folder() const { return folder_; }

    // The name of the page's copy.
    std::string Key(const ShopPage& page) const;
    // The page's copy as it is now, ready to be written.
    RecoverySnapshot Snapshot(const ShopPage& page) const;

    // Writes the copy atomically (the note first when it changed, then the
    // project), replacing the previous one of the same page.
    RecoveryWrite Write(const RecoverySnapshot& copy);
    RecoveryWrite Write(const ShopPage& page) { return Write(Snapshot(page)); }

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
    RecoveryWrite Adopt(const std::string& key, const RecoverySnapshot& copy);
    RecoveryWrite Adopt(const std::string& key, const ShopPage& page) { return Adopt(key, Snapshot(page)); }

private:
    std::string folder_;
    std::int64_t process_;
    bool failing_ = false;
    int taken_ = 0;
    std::map<std::string, RecoveryNote> notes_; // as last written, by key

    RecoveryWrite failed(std::string message);
    bool take(const std::string& key, std::string& ownKey);
    RecoveryScan readTaken(const std::vector<std::string>& keys) const;
};

// Rebuilds a recovered page on `page`, a page fresh from NewPage: the
// project as in ApplyProjectToPage, named by the user's file and marked as
// changed, since its work is not in that file.
ProjectApplyReport RestoreRecoveredPage(const RecoveryEntry& entry, ShopPage& page);

} // namespace targello
