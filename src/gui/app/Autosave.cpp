#include "gui/app/Autosave.h"

#include "core/workspace/ShopPage.h"
#include "gui/common/AppContext.h"
#include "gui/platform/Platform.h"

#include <QStandardPaths>
#include <algorithm>

namespace targello {

Autosave::Autosave(AppContext& app, QString folder, QObject* parent)
    : QObject(parent), app_(app), store_(folder.toStdString()) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Autosave::writeDue);
}

QString Autosave::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/odzysk");
}

void Autosave::edited(ShopPage& page) {
    Watched& watched = pages_[page.Serial()];
    watched.page = &page;
    watched.schedule.Edited(AutosaveSchedule::Clock::now());
    // An edit only moves this page's copy later, or makes one due: the timer
    // need not look at every other page at each keystroke.
    if (const auto due = watched.schedule.Due())
        armNoLaterThan(*due);
}

void Autosave::dropCopy(ShopPage& page) {
    store_.Remove(page);
    if (auto found = pages_.find(page.Serial()); found != pages_.end())
        found->schedule.Written();
    arm();
}

void Autosave::forget(ShopPage& page) {
    store_.Remove(page);
    pages_.remove(page.Serial());
    arm();
}

void Autosave::adopt(const std::string& key, ShopPage& page) {
    Watched& watched = pages_[page.Serial()];
    watched.page = &page;
    report(store_.Adopt(key, page), watched);
    arm();
}

void Autosave::finish() {
    timer_.stop();
    pages_.clear();
    store_.RemoveOwn();
}

void Autosave::writeDue() {
    const auto now = AutosaveSchedule::Clock::now();
    for (Watched& watched : pages_) {
        if (!watched.schedule.IsDue(now))
            continue;
        // A page saved meanwhile has nothing to keep.
        if (!watched.page->Changed())
            watched.schedule.Written();
        else
            report(store_.Write(*watched.page), watched);
    }
    arm();
}

void Autosave::report(const RecoveryWrite& written, Watched& watched) {
    if (written.Error.empty()) {
        watched.schedule.Written();
        return;
    }
    watched.schedule.Failed(AutosaveSchedule::Clock::now());
    // Once, not at every attempt: the user keeps editing either way.
    if (written.Tell)
        app_.platform().showError(
            app_.window(),
            QStringLiteral("Nie można zapisać kopii zapasowej projektu „%1”: %2\n"
                           "Praca trwa dalej, ale po awarii programu zmian nie da się odzyskać.")
                .arg(QString::fromStdString(watched.page->Caption()), QString::fromStdString(written.Error)));
}

void Autosave::arm() {
    std::optional<AutosaveSchedule::Clock::time_point> next;
    for (const Watched& watched : pages_)
        if (const auto due = watched.schedule.Due())
            next = next ? std::min(*next, *due) : *due;
    if (!next) {
        timer_.stop();
        armedFor_.reset();
        return;
    }
    start(*next);
}

void Autosave::armNoLaterThan(AutosaveSchedule::Clock::time_point due) {
    // A timer that fires earlier than needed finds nothing due and sets
    // itself again for the earliest copy.
    if (timer_.isActive() && armedFor_ && *armedFor_ <= due)
        return;
    start(due);
}

void Autosave::start(AutosaveSchedule::Clock::time_point due) {
    const auto wait =
        std::chrono::duration_cast<std::chrono::milliseconds>(due - AutosaveSchedule::Clock::now());
    armedFor_ = due;
    timer_.start(static_cast<int>(std::max<std::int64_t>(0, wait.count())));
}

} // namespace targello
