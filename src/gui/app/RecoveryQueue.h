#pragma once

#include "core/session/RecoveryStore.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>

namespace targello {

// Runs a recovery store's disk work on one background thread, one operation
// after another in the order asked, so that the window never waits for a
// synced write and a removal asked after a write is never undone by it.
// The store is touched by that thread alone, except while the queue is idle.
class RecoveryQueue : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const RecoveryWrite&)>;

    explicit RecoveryQueue(std::string folder, QObject* parent = nullptr);
    ~RecoveryQueue() override; // waits for the work asked for

    const std::string& folder() const { return store_.Folder(); }
    // Names and snapshots read no state of the store: safe at any time.
    const RecoveryStore& names() const { return store_; }

    // Writes the copy; `done` then runs on this object's thread.
    void write(RecoverySnapshot copy, Done done);
    // Writes the page's own copy, and only once that is safe removes the taken copy `key`.
    void adopt(std::string key, RecoverySnapshot copy, Done done);
    // Removes the copy `key` of this process.
    void discard(std::string key);
    // Takes over the copies of programs that are gone, at once: waits for
    // the work asked for before.
    RecoveryScan takeOrphans();
    // Drops the work not yet begun, removes every copy of this process, and
    // returns once that is done: the program ends cleanly.
    void removeAll();

    // Any work on the store, in turn with the rest.
    void post(std::function<void(RecoveryStore&)> work);
    // Operations asked for and not yet ended.
    int pending() const { return pending_.load(); }
    void waitForIdle();

private:
    void deliver(Done done, RecoveryWrite result);

    RecoveryStore store_;
    std::atomic<int> pending_{0};
    QThreadPool worker_;
};

} // namespace targello
