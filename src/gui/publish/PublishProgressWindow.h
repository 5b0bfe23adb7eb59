#pragma once

#include "core/publish/Publisher.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QtConcurrent>
#include <atomic>
#include <mutex>

class QLabel;
class QPushButton;

namespace targello {

// The window of a publish: what is being done, files and bytes sent, speed
// and time left, and "Anuluj". The work runs on a thread of the pool; the
// window reads what it reports a few times a second, so it never waits for
// the network and never freezes.
class PublishProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit PublishProgressWindow(QWidget* owner);

    // From any thread: "Anuluj" was pressed (or the window closed).
    bool cancelled() const { return cancel_.load(); }
    const std::atomic<bool>& cancelFlag() const { return cancel_; }
    // From the working thread: how far the publish is; false once cancelled.
    bool report(const PublishProgress& progress);

    void setStage(const QString& text);

    // Runs `job` on the pool, turning the event loop until it returns.
    template <typename Job> auto run(Job job) {
        using Result = decltype(job());
        QFutureWatcher<Result> watcher;
        watcher.setFuture(QtConcurrent::run(std::move(job)));
        waitFor(watcher);
        return watcher.result();
    }

    void reject() override;

private:
    void waitFor(QFutureWatcherBase& watcher);
    void showProgress();

    QLabel* stage_;
    QLabel* files_;
    QLabel* bytes_;
    QLabel* speed_;
    QPushButton* cancelButton_;
    std::atomic<bool> cancel_{false};
    std::mutex mutex_;
    PublishProgress latest_;
    QElapsedTimer clock_;
};

// "12,3 MB" and the like.
QString SizeText(std::uintmax_t bytes);
// Speed and time left after `bytesDone` of `bytesTotal` in `seconds`.
QString SpeedText(std::uintmax_t bytesDone, std::uintmax_t bytesTotal, double seconds);

} // namespace targello
