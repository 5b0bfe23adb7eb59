#pragma once

#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace targello {

// One running program per user: a project double-clicked while the program
// runs opens in that window instead of in a second program. The first
// program holds a lock file in `folder`; a later one leaves its projects
// there as a small request file and ends; the first takes each request as it
// arrives. Plain files, so that it needs no network module and works alike on
// Windows and Linux; the lock of a program that crashed is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);

    // Whether this is the first program; false where another one runs.
    bool claim();
    // Leaves `projects` (made absolute) for the running program; false where
    // the request could not be written, and this program should run itself.
    bool handOver(const QStringList& projects) const;
    // Starts taking requests (the first program, once its window exists),
    // including any left while it started.
    void listen();

signals:
    void projectsArrived(const QStringList& projects);

private:
    void takeRequests();
    QString requestFolder() const;

    QString folder_;
    QLockFile lock_;
    QFileSystemWatcher watcher_;
    QTimer poll_; // where the system tells no change (network drives, wine)
};

} // namespace targello
