#include "gui/app/RecoveryQueue.h"

namespace targello {

RecoveryQueue::RecoveryQueue(std::string folder, QObject* parent)
    : QObject(parent), store_(std::move(folder)) {
    // One thread: the operations run in the order they were asked for.
    worker_.setMaxThreadCount(1);
    worker_.setObjectName(QStringLiteral("RecoveryQueue"));
}

RecoveryQueue::~RecoveryQueue() {
    // The store goes with this object: no work may still use it.
    waitForIdle();
}

void RecoveryQueue::post(std::function<void(RecoveryStore&)> work) {
    ++pending_;
    worker_.start([this, work = std::move(work)] {
        work(store_);
        --pending_;
    });
}

void RecoveryQueue::waitForIdle() {
    worker_.waitForDone();
}

void RecoveryQueue::deliver(Done done, RecoveryWrite result) {
    // Queued to this object's thread; dropped with the object if it goes first.
    QMetaObject::invokeMethod(
        this, [done = std::move(done), result = std::move(result)] { done(result); }, Qt::QueuedConnection);
}

void RecoveryQueue::write(RecoverySnapshot copy, Done done) {
    post([this, copy = std::move(copy), done = std::move(done)](RecoveryStore& store) mutable {
        deliver(std::move(done), store.Write(copy));
    });
}

void RecoveryQueue::adopt(std::string key, RecoverySnapshot copy, Done done) {
    post([this, key = std::move(key), copy = std::move(copy), done = std::move(done)](
             RecoveryStore& store) mutable { deliver(std::move(done), store.Adopt(key, copy)); });
}

void RecoveryQueue::discard(std::string key) {
    post([key = std::move(key)](RecoveryStore& store) { store.Discard(key); });
}

RecoveryScan RecoveryQueue::takeOrphans() {
    waitForIdle();
    return store_.TakeOrphans();
}

void RecoveryQueue::removeAll() {
    // Copies still to be written would be removed right after: skip them.
    worker_.clear();
    waitForIdle();
    pending_ = 0; // what was dropped never ran
    // Idle now, so this thread may use the store.
    store_.RemoveOwn();
}

} // namespace targello
