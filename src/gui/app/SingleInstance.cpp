#include "gui/app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

namespace targello {
namespace {

constexpr int PollMilliseconds = 1000;

QString requestSuffix() {
    return QStringLiteral(".otworz");
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder), lock_(folder + QStringLiteral("/program.lock")) {
    lock_.setStaleLockTime(0); // a lock is stale only when its program has gone
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SingleInstance::takeRequests);
    connect(&poll_, &QTimer::timeout, this, &SingleInstance::takeRequests);
}

QString SingleInstance::requestFolder() const {
    return folder_ + QStringLiteral("/do-otwarcia");
}

bool SingleInstance::claim() {
    QDir().mkpath(folder_);
    // A lock whose program has gone (it crashed) is taken over by tryLock.
    if (lock_.tryLock(0))
        return true;
    return lock_.error() != QLockFile::LockFailedError; // an unwritable folder: run alone
}

bool SingleInstance::handOver(const QStringList& projects) const {
    if (!QDir().mkpath(requestFolder()))
        return false;
    QStringList absolute;
    for (const QString& project : projects)
        absolute << QFileInfo(project).absoluteFilePath();
    // Written whole under another name first, so the running program never
    // reads half a request.
    QSaveFile file(requestFolder() + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::WithoutBraces) +
                   requestSuffix());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(absolute.join(QLatin1Char('\n')).toUtf8());
    return file.commit();
}

void SingleInstance::listen() {
    QDir().mkpath(requestFolder());
    watcher_.addPath(requestFolder());
    poll_.start(PollMilliseconds);
    takeRequests();
}

void SingleInstance::takeRequests() {
    const QDir folder(requestFolder());
    const QStringList names =
        folder.entryList({QLatin1Char('*') + requestSuffix()}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        file.remove();
        const QStringList projects = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        emit projectsArrived(projects);
    }
}

} // namespace targello
