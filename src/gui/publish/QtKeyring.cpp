#include "gui/publish/QtKeyring.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace targello {
namespace {

const QString Service = QStringLiteral("Targello");

// Starts `job` (which deletes itself once finished) and waits for it; a job
// still running when the wait ends is left to finish on its own.
Keyring::Answer runJob(QKeychain::Job* job, int waitMs) {
    Keyring::Answer answer;
    answer.Problem = QStringLiteral("pęk kluczy systemu nie odpowiedział");
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&answer, &loop](QKeychain::Job* done) {
        if (done->error() == QKeychain::NoError) {
            answer.Result = Keyring::Answer::Kind::Found;
            if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(done))
                answer.Password = read->textData();
        } else if (done->error() == QKeychain::EntryNotFound) {
            answer.Result = Keyring::Answer::Kind::Missing;
        } else {
            answer.Problem = done->errorString();
        }
        loop.quit();
    });
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    job->setAutoDelete(true);
    job->start();
    loop.exec();
    QObject::disconnect(job, nullptr, &loop, nullptr);
    return answer;
}

} // namespace

Keyring::Answer QtKeyring::read(const QString& key) {
    auto* job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(key);
    return runJob(job, waitMs_);
}

Keyring::Answer QtKeyring::write(const QString& key, const QString& password) {
    auto* job = new QKeychain::WritePasswordJob(Service);
    job->setKey(key);
    job->setTextData(password);
    return runJob(job, waitMs_);
}

void QtKeyring::remove(const QString& key) {
    auto* job = new QKeychain::DeletePasswordJob(Service);
    job->setKey(key);
    runJob(job, waitMs_);
}

} // namespace targello
