#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent>
#include <atomic>

class QProgressDialog;
class QWidget;

namespace targello {

// Runs a generation on a thread of the pool while the window keeps answering:
// a short run ends before anything is shown (the window takes no input
// meanwhile, so the shop cannot change under it); a longer one gets a
// progress dialog, modal to the whole program, whose "Anuluj" sets the flag the run reads.
class GenerationProgress : public QObject {
    Q_OBJECT

public:
    // How long a run goes before the dialog is shown.
    static constexpr int ShowAfterMs = 400;

    GenerationProgress(QWidget* owner, const QString& label);
    ~GenerationProgress() override;

    // Set by "Anuluj" (or Esc, or the dialog's close box).
    const std::atomic<bool>& cancelFlag() const { return cancel_; }
    bool cancelled() const { return cancel_.load(); }

    // From the running thread: `done` of `total` pictures. It waits until the
    // window has shown the count, so an "Anuluj" pressed on the way is seen
    // before the next picture. Never call it on the window's thread: it
    // would wait for itself.
    void report(int done, int total);

    // Runs `job` on the pool, turning the event loop until it returns.
    template <typename Job> auto run(Job job) {
        using Result = decltype(job());
        QFutureWatcher<Result> watcher;
        watcher.setFuture(QtConcurrent::run(std::move(job)));
        waitFor(watcher);
        return watcher.result();
    }

private:
    void waitFor(QFutureWatcherBase& watcher);
    void cancel();

    QProgressDialog* dialog_;
    std::atomic<bool> cancel_{false};
};

} // namespace targello
