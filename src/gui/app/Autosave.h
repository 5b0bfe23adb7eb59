#pragma once

#include "core/session/AutosaveSchedule.h"
#include "core/session/RecoveryStore.h"

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
// written atomically; writing a 100-item page takes well under a millisecond.
class Autosave : public QObject {
    Q_OBJECT
public:
    // `folder` is where the copies go; the default is the recovery folder
    // below the program's data location.
    Autosave(AppContext& app, QString folder, QObject* parent = nullptr);

    static QString defaultFolder();
    RecoveryStore& store() { return store_; }

    // The user changed `page`.
    void edited(ShopPage& page);
    // `page` now matches a file, or the user gave up its changes: its copy goes.
    void dropCopy(ShopPage& page);
    // `page` closes: its copy goes and it is no longer watched.
    void forget(ShopPage& page);
    // `page` was rebuilt from the taken copy `key`; from now on it has its own.
    void adopt(const std::string& key, ShopPage& page);
    // The program ends cleanly: every copy of this process goes.
    void finish();

private:
    struct Watched {
        ShopPage* page = nullptr;
        AutosaveSchedule schedule;
    };

    void writeDue();
    void report(const RecoveryWrite& written, Watched& watched);
    // Sets the timer for the earliest copy due, looking at every page.
    void arm();
    // Makes sure the timer fires by `due`.
    void armNoLaterThan(AutosaveSchedule::Clock::time_point due);
    void start(AutosaveSchedule::Clock::time_point due);

    AppContext& app_;
    RecoveryStore store_;
    QHash<quint64, Watched> pages_; // by page serial
    QTimer timer_;
    std::optional<AutosaveSchedule::Clock::time_point> armedFor_; // when timer_ fires
};

} // namespace targello
