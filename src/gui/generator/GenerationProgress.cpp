#include "gui/generator/GenerationProgress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

namespace targello {

GenerationProgress::GenerationProgress(QWidget* owner, const QString& label)
    : dialog_(new QProgressDialog(label, QStringLiteral("Anuluj"), 0, 0, owner)) {
    dialog_->setObjectName(QStringLiteral("PostepGenerowania"));
    dialog_->setWindowTitle(QStringLiteral("Targello"));
    // Every window of the program waits, the options dialog too: nothing may
    // start a second run or close the page meanwhile.
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    // Shown by waitFor, never by the dialog's own timer.
    dialog_->setMinimumDuration(24 * 60 * 60 * 1000);
    connect(dialog_, &QProgressDialog::canceled, this, &GenerationProgress::cancel);
}

GenerationProgress::~GenerationProgress() {
    delete dialog_;
}

void GenerationProgress::report(int done, int total) {
    QMetaObject::invokeMethod(
        this,
        [this, done, total] {
            dialog_->setMaximum(total);
            dialog_->setValue(done);
        },
        Qt::BlockingQueuedConnection);
}

void GenerationProgress::cancel() {
    cancel_ = true;
    dialog_->setLabelText(QStringLiteral("Przerywanie…"));
}

void GenerationProgress::waitFor(QFutureWatcherBase& watcher) {
    if (watcher.isFinished())
        return;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(ShowAfterMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (watcher.isFinished())
        return;
    dialog_->show();
    loop.exec();
    dialog_->hide();
}

} // namespace targello
