#include "gui/publish/PublishProgressWindow.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace targello {

QString SizeText(std::uintmax_t bytes) {
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 kB").arg(polish.toString(static_cast<double>(bytes) / 1024.0, 'f', 1));
    return QStringLiteral("%1 MB").arg(
        polish.toString(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1));
}

QString SpeedText(std::uintmax_t bytesDone, std::uintmax_t bytesTotal, double seconds) {
    if (seconds < 0.5 || bytesDone == 0)
        return QStringLiteral("Prędkość: obliczanie…");
    const double perSecond = static_cast<double>(bytesDone) / seconds;
    const auto left = static_cast<long long>(
        std::ceil(static_cast<double>(bytesTotal > bytesDone ? bytesTotal - bytesDone : 0) / perSecond));
    return QStringLiteral("Prędkość: %1/s, pozostało około %2:%3")
        .arg(SizeText(static_cast<std::uintmax_t>(perSecond)))
        .arg(left / 60)
        .arg(left % 60, 2, 10, QLatin1Char('0'));
}

PublishProgressWindow::PublishProgressWindow(QWidget* owner)
    : QDialog(owner), stage_(new QLabel(this)), files_(new QLabel(this)), bytes_(new QLabel(this)),
      speed_(new QLabel(this)), cancelButton_(new QPushButton(QStringLiteral("Anuluj"), this)) {
    setObjectName(QStringLiteral("PostepPublikacji"));
    setWindowTitle(QStringLiteral("Opublikuj sklep"));
    // Nothing may change or close the page while its export travels.
    setWindowModality(Qt::ApplicationModal);
    stage_->setObjectName(QStringLiteral("EtapPublikacji"));
    files_->setObjectName(QStringLiteral("PlikiPublikacji"));
    bytes_->setObjectName(QStringLiteral("BajtyPublikacji"));
    speed_->setObjectName(QStringLiteral("PredkoscPublikacji"));
    cancelButton_->setObjectName(QStringLiteral("AnulujPublikacje"));
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {stage_, files_, bytes_, speed_}) {
        label->setMinimumWidth(360);
        layout->addWidget(label);
    }
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    connect(cancelButton_, &QPushButton::clicked, this, &PublishProgressWindow::reject);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &PublishProgressWindow::showProgress);
    timer->start(250);
    clock_.start();
}

bool PublishProgressWindow::report(const PublishProgress& progress) {
    const std::lock_guard lock(mutex_);
    latest_ = progress;
    return !cancel_.load();
}

void PublishProgressWindow::setStage(const QString& text) {
    stage_->setText(text);
}

void PublishProgressWindow::reject() {
    // The window stays until the work has stopped: it says so meanwhile.
    cancel_ = true;
    cancelButton_->setEnabled(false);
    setStage(QStringLiteral("Przerywanie…"));
}

void PublishProgressWindow::showProgress() {
    PublishProgress now;
    {
        const std::lock_guard lock(mutex_);
        now = latest_;
    }
    if (now.FilesTotal == 0)
        return;
    files_->setText(QStringLiteral("Pliki: %1 z %2").arg(now.FilesDone).arg(now.FilesTotal));
    bytes_->setText(
        QStringLiteral("Wysłano: %1 z %2").arg(SizeText(now.BytesDone), SizeText(now.BytesTotal)));
    speed_->setText(SpeedText(now.BytesDone, now.BytesTotal, static_cast<double>(clock_.elapsed()) / 1000.0));
}

void PublishProgressWindow::waitFor(QFutureWatcherBase& watcher) {
    if (watcher.isFinished())
        return;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    show();
    loop.exec();
}

} // namespace targello
