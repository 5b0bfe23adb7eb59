#pragma once

#include <chrono>
#include <filesystem>
#include <future>
#include <thread>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace targello::testing {

// Runs `work` on a thread of its own and says whether it finished within
// `limit`. Opening a FIFO for reading waits for a writer: when `work` is late,
// every FIFO in `fifos` gets a writer that leaves at once, which releases a
// blocked reader, so that the test fails instead of hanging.
template <class Work>
bool FinishesWithin(std::chrono::milliseconds limit, std::initializer_list<std::filesystem::path> fifos,
                    Work work) {
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread thread(std::move(task));
    const bool inTime = done.wait_for(limit) == std::future_status::ready;
    while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
        for ([[maybe_unused]] const std::filesystem::path& fifo : fifos) {
#ifndef _WIN32
            if (const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0)
                ::close(fd);
#endif
        }
    thread.join();
    done.get();
    return inTime;
}

} // namespace targello::testing
