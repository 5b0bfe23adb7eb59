#include "gui/app/Autosave.h"

#include "KeepWorkFixture.h"
#include "core/project/ProjectReader.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>

using namespace targello;

namespace {

// Holds the recovery queue's thread until released (at the latest when it
// goes), so that a test can ask for work while a copy waits its turn.
class Gate {
public:
    explicit Gate(RecoveryQueue& queue) {
        queue.post([this](RecoveryStore&) { open_.acquire(); });
    }
    ~Gate() { release(); }
    void release() {
        if (!released_)
            open_.release();
        released_ = true;
    }

private:
    QSemaphore open_;
    bool released_ = false;
};

class AutosaveTest : public KeepWorkFixture {
protected:
    RecoveryQueue& queue() { return window_->autosave().queue(); }
    QStringList copies() const { return recoveryFiles().filter(QStringLiteral(".esk")); }
    // Waits until `count` operations are queued: the copies have been taken.
    bool waitForPending(int count) {
        return QTest::qWaitFor([&] { return queue().pending() == count; }, 5000);
    }

    // The first item's name in the one copy in the folder, or "" without one.
    std::string copiedName() const {
        const QStringList found = copies();
        if (found.size() != 1)
            return {};
        const QString path = recoveryFolder() + QLatin1Char('/') + found.first();
        const ProjectOutcome<ProjectRecord> record = ReadProjectFile(path.toStdString());
        return record && !record.Value->Items.empty() ? record.Value->Items[0].Name : std::string();
    }
};

TEST_F(AutosaveTest, ASaveOrACloseAskedWhileACopyWaitsLeavesNoCopy) {
    Gate gate(queue());
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    // Both copies are taken and wait behind the gate.
    ASSERT_TRUE(waitForPending(3));

    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("drugi.esk"))));
    platform_.nextAnswer.enqueue(QStringLiteral("Nie zapisuj"));
    ASSERT_TRUE(closePage(0));
    gate.release();
    queue().waitForIdle();
    EXPECT_TRUE(recoveryFiles().isEmpty()) << recoveryFiles().join(u' ').toStdString();
    // The late result of the closed page's copy reaches nothing.
    QCoreApplication::processEvents();
    EXPECT_EQ(workspace().PageCount(), 1);
    EXPECT_TRUE(platform_.shown.isEmpty());
}

TEST_F(AutosaveTest, ACleanExitRightAfterAnEditLeavesNothing) {
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    {
        Gate gate(queue());
        ASSERT_TRUE(waitForPending(2));
    } // the copy is on its way as the program ends
    window_->autosave().finish();
    EXPECT_EQ(queue().pending(), 0);
    EXPECT_TRUE(recoveryFiles().isEmpty()) << recoveryFiles().join(u' ').toStdString();
    queue().waitForIdle();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recoveryFiles().isEmpty()) << recoveryFiles().join(u' ').toStdString();
}

TEST_F(AutosaveTest, AnEditMadeWhileACopyIsWrittenGetsACopyOfItsOwn) {
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    {
        Gate gate(queue());
        ASSERT_TRUE(waitForPending(2));
        ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Name, QStringLiteral("Miod")));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return copiedName() == "Produkt 1Miod"; }, 8000)) << copiedName();
}

TEST(RecoveryQueueTest, ResultsComeBackInOrderOnTheWindowsThreadAndAFailureIsToldOnce) {
    QTemporaryDir work;
    const QString blocker = work.filePath(QStringLiteral("odzysk"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    ShopWorkspace pages;
    ShopPage& page = *pages.NewPage(ShopSettings{});
    RecoveryQueue queue(blocker.toStdString());
    std::vector<RecoveryWrite> results;
    std::vector<bool> onOwnThread;
    const auto done = [&](const RecoveryWrite& written) {
        results.push_back(written);
        onOwnThread.push_back(QThread::currentThread() == QCoreApplication::instance()->thread());
    };
    queue.write(queue.names().Snapshot(page), done);
    queue.write(queue.names().Snapshot(page), done);
    queue.waitForIdle();
    EXPECT_TRUE(results.empty()); // delivered through the event loop, never from the worker
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 2; }, 5000));
    EXPECT_EQ(onOwnThread, (std::vector<bool>{true, true}));
    EXPECT_NE(results[0].Error, "");
    EXPECT_TRUE(results[0].Tell);
    EXPECT_NE(results[1].Error, "");
    EXPECT_FALSE(results[1].Tell);
}

} // namespace
