#include "gui/app/Autosave.h"

#include "core/workspace/ShopPage.h"
#include "gui/common/AppContext.h"
#include "gui/platform/Platform.h"

#include <QStandardPaths>
#include <algorithm>

namespace targello {

Autosave::Autosave(AppContext& app, QString folder, QObject* parent)
    : QObject(parent), app_(app), queue_(folder.toStdString()) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Autosave::writeDue);
}

QString Autosave::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/odzysk");
}

Autosave::Watched& Autosave::watch(ShopPage& page) {
    Watched& watched = pages_[page.Serial()];
    watched.page = &page;
    return watched;
}

void Autosave::edited(ShopPage& page) {
    Watched& watched = watch(page);
    const auto now = Clock::now();
    watched.schedule.Edited(now);
    if (watched.writing) {
        // The copy on its way sets the timer again when it is done.
        if (!watched.firstLater)
            watched.firstLater = now;
        watched.lastLater = now;
        return;
    }
    // An edit only moves this page's copy later, or makes one due: the timer
    // need not look at every other page at each keystroke.
    if (const auto due = watched.schedule.Due())
        armNoLaterThan(*due);
}

void Autosave::dropCopy(ShopPage& page) {
    // Queued behind any copy still being written, so that it cannot come back.
    queue_.discard(queue_.names().Key(page));
    if (auto found = pages_.find(page.Serial()); found != pages_.end()) {
        found->schedule.Written();
        found->firstLater.reset();
    }
    arm();
}

void Autosave::forget(ShopPage& page) {
    queue_.discard(queue_.names().Key(page));
    pages_.remove(page.Serial());
    arm();
}

void Autosave::adopt(const std::string& key, ShopPage& page) {
    Watched& watched = watch(page);
    watched.writing = true;
    queue_.adopt(key, queue_.names().Snapshot(page), onWritten(page));
}

void Autosave::discard(const std::string& key) {
    queue_.discard(key);
}

void Autosave::finish() {
    timer_.stop();
    pages_.clear();
    ++run_;
    queue_.removeAll();
}

void Autosave::writeDue() {
    const auto now = Clock::now();
    for (Watched& watched : pages_) {
        if (watched.writing || !watched.schedule.IsDue(now))
            continue;
        // A page saved meanwhile has nothing to keep.
        if (!watched.page->Changed()) {
            watched.schedule.Written();
            continue;
        }
        watched.writing = true;
        queue_.write(queue_.names().Snapshot(*watched.page), onWritten(*watched.page));
    }
    arm();
}

RecoveryQueue::Done Autosave::onWritten(const ShopPage& page) {
    // The page may close before the copy is written: it is found again by
    // its serial, never through a pointer kept across threads.
    return [this, serial = page.Serial(), caption = QString::fromStdString(page.Caption()),
            run = run_](const RecoveryWrite& written) {
        if (run == run_)
            report(serial, caption, written);
    };
}

void Autosave::report(quint64 serial, const QString& caption, const RecoveryWrite& written) {
    if (auto found = pages_.find(serial); found != pages_.end()) {
        Watched& watched = *found;
        watched.writing = false;
        if (written.Error.empty()) {
            watched.schedule.Written();
            // Edits made while the copy was on its way still need one.
            if (watched.firstLater) {
                watched.schedule.Edited(*watched.firstLater);
                watched.schedule.Edited(watched.lastLater);
            }
        } else {
            watched.schedule.Failed(Clock::now());
        }
        watched.firstLater.reset();
        arm();
    }
    // Once, not at every attempt: the user keeps editing either way. Told
    // even when the page has closed meanwhile, since the store will not
    // tell of the folder again until a copy succeeds.
    if (!written.Error.empty() && written.Tell)
        app_.platform().showError(
            app_.window(),
            QStringLiteral("Nie można zapisać kopii zapasowej projektu „%1”: %2\n"
                           "Praca trwa dalej, ale po awarii programu zmian nie da się odzyskać.")
                .arg(caption, QString::fromStdString(written.Error)));
}

void Autosave::arm() {
    std::optional<Clock::time_point> next;
    for (const Watched& watched : pages_)
        if (const auto due = watched.schedule.Due(); due && !watched.writing)
            next = next ? std::min(*next, *due) : *due;
    if (!next) {
        timer_.stop();
        armedFor_.reset();
        return;
    }
    start(*next);
}

void Autosave::armNoLaterThan(Clock::time_point due) {
    // A timer that fires earlier than needed finds nothing due and sets
    // itself again for the earliest copy.
    if (timer_.isActive() && armedFor_ && *armedFor_ <= due)
        return;
    start(due);
}

void Autosave::start(Clock::time_point due) {
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
    armedFor_ = due;
    timer_.start(static_cast<int>(std::max<std::int64_t>(0, wait.count())));
}

} // namespace targello
