#pragma once

#include "core/session/AutosaveSchedule.h"
#include "gui/app/RecoveryQueue.h"

#include <QHash>
#include <QObject>
#include <QTimer>
#include <optional>

namespace targello {

class AppContext;
class ShopPage;

// Keeps a recovery copy of every changed page in the user's recovery folder,
// 2 seconds after the last edit and at least every 30 seconds while edits go
// on, with one timer for all pages. A copy is the project file itself,
// written atomically and synced to the disk. The window only takes the page's
// bytes; the disk work, which can take a laptop disk tens of milliseconds,
// runs on the recovery queue's thread.
class Autosave : public QObject {
    Q_OBJECT
public:
    // `folder` is where the copies go; the default is the recovery folder
    // below the program's data location.
    Autosave(AppContext& app, QString folder, QObject* parent = nullptr);

    static QString defaultFolder();
    RecoveryQueue& queue() { return queue_; }

    // The user changed `page`.
    void edited(ShopPage& page);
    // `page` now matches a file, or the user gave up its changes: its copy goes.
    void dropCopy(ShopPage& page);
    // `page` closes: its copy goes and it is no longer watched.
    void forget(ShopPage& page);
    // `page` was rebuilt from the taken copy `key`; from now on it has its own.
    void adopt(const std::string& key, ShopPage& page);
    // The taken copy `key` is not wanted.
    void discard(const std::string& key);
    // The program ends cleanly: waits for the copy being written, then every
    // copy of this process goes.
    void finish();

private:
    using Clock = AutosaveSchedule::Clock;
    struct Watched {
        ShopPage* page = nullptr;
        AutosaveSchedule schedule;
        bool writing = false; // a copy is on its way to the disk
        // Edits made after that copy's bytes were taken: it lacks them.
        std::optional<Clock::time_point> firstLater;
        Clock::time_point lastLater;
    };

    void writeDue();
    Watched& watch(ShopPage& page);
    RecoveryQueue::Done onWritten(const ShopPage& page);
    void report(quint64 serial, const QString& caption, const RecoveryWrite& written);
    // Sets the timer for the earliest copy due, looking at every page.
    void arm();
    // Makes sure the timer fires by `due`.
    void armNoLaterThan(Clock::time_point due);
    void start(Clock::time_point due);

    AppContext& app_;
    RecoveryQueue queue_;
    QHash<quint64, Watched> pages_; // by page serial
    QTimer timer_;
    std::optional<Clock::time_point> armedFor_; // when timer_ fires
    // Counts clean ends: results of work asked before one are not reported.
    int run_ = 0;
};

} // namespace targello
