#pragma once

#include <QString>
#include <gtest/gtest.h>

// FIFOs and devices such as /dev/zero are POSIX's: Windows has no file that
// blocks its reader or never ends, so the tests of what the program does with
// one are skipped there.
#ifdef _WIN32
#define TARGELLO_SKIP_WITHOUT_FIFOS() GTEST_SKIP() << "Windows has no FIFOs"
#define TARGELLO_SKIP_WITHOUT_DEVICES() GTEST_SKIP() << "Windows has no /dev/zero"

namespace targello {
class FifoGuard {
public:
    explicit FifoGuard(const QString&) {}
    bool made() const { return false; }
    bool wasOpened() const { return false; }
};
} // namespace targello
#else
#define TARGELLO_SKIP_WITHOUT_FIFOS() static_cast<void>(0)
#define TARGELLO_SKIP_WITHOUT_DEVICES() static_cast<void>(0)

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace targello {

// A FIFO at `path` that no test can hang on: a helper thread keeps trying to
// open it for writing without blocking, which succeeds only while someone
// has opened it for reading. It then closes it at once, so the reader sees
// the end of the file and goes on, and `wasOpened()` tells that the program
// opened the FIFO, which it never should.
class FifoGuard {
public:
    explicit FifoGuard(const QString& path) : path_(path.toStdString()) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        watcher_ = std::thread([this] {
            while (!stop_) {
                const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~FifoGuard() {
        stop_ = true;
        watcher_.join();
        ::unlink(path_.c_str());
    }
    FifoGuard(const FifoGuard&) = delete;
    FifoGuard& operator=(const FifoGuard&) = delete;

    bool made() const { return made_; }
    bool wasOpened() const { return opened_; }

private:
    std::string path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread watcher_;
};

} // namespace targello
#endif
