#include "core/modern/PictureBatch.h"

#include "core/files/FileCopy.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/modern/PictureStamps.h"
#include "core/project/Utf8Path.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

namespace targello {
namespace {

namespace fs = std::filesystem;

// The first bytes of the picture formats every current browser shows (an SVG
// file may begin with its XML declaration).
bool looksLikePicture(const std::string& head) {
    const auto starts = [&](std::string_view magic) { return head.compare(0, magic.size(), magic) == 0; };
    return starts("\xFF\xD8\xFF") || starts("\x89PNG") || starts("GIF8") || starts("BM") ||
           (starts("RIFF") && head.size() >= 12 && head.compare(8, 4, "WEBP") == 0) ||
           (head.size() >= 12 && head.compare(4, 8, "ftypavif") == 0) || starts("<svg") || starts("<?xml");
}

class BatchState {
public:
    explicit BatchState(std::size_t total) : total_(total) {}

    // The next job to do, or false when none is left or the run is cancelled.
    bool Take(std::size_t& job) {
        std::lock_guard lock(mutex_);
        if (cancelled_ || next_ >= total_)
            return false;
        job = next_++;
        return true;
    }
    void Finish() {
        std::lock_guard lock(mutex_);
        ++done_;
        changed_.notify_one();
    }
    // Waits for the count to pass `seen`; false once every taken job is done.
    int WaitBeyond(int seen) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return done_ > seen; });
        return done_;
    }
    void Cancel() {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    int Started() {
        std::lock_guard lock(mutex_);
        return static_cast<int>(next_);
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t total_;
    std::size_t next_ = 0;
    int done_ = 0;
    bool cancelled_ = false;
};

} // namespace

PictureBatchResult RunPictureBatch(const std::vector<WebPictureJob>& jobs, const PictureStamps& stamps,
                                   const WebPictureMaker& maker, const WebPictureProgress& progress) {
    PictureBatchResult result;
    result.Outcomes.resize(jobs.size());
    std::vector<char> done(jobs.size(), 0); // written by the workers, one element each
    std::vector<bool> unchanged(jobs.size());
    for (std::size_t k = 0; k < jobs.size(); ++k)
        unchanged[k] = stamps.Unchanged(jobs[k], result.Outcomes[k]);

    BatchState state(jobs.size());
    const auto work = [&] {
        std::size_t k = 0;
        while (state.Take(k)) {
            if (!unchanged[k]) {
                std::string problem = ReadableFileProblem(PathFromUtf8(jobs[k].Source));
                result.Outcomes[k] = problem.empty() ? maker(jobs[k]) : WebPictureOutcome{std::move(problem)};
            }
            done[k] = 1;
            state.Finish();
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned n = 0; n < std::min<std::size_t>(cores, jobs.size()); ++n)
        workers.emplace_back(work);
    const int total = static_cast<int>(jobs.size());
    for (int finished = 0; finished < total;) {
        finished = state.WaitBeyond(finished);
        if (progress && !result.Cancelled && !progress(finished, total)) {
            result.Cancelled = true;
            state.Cancel();
        }
        if (result.Cancelled && finished >= state.Started())
            break;
    }
    for (std::thread& worker : workers)
        worker.join();

    result.Done.assign(done.begin(), done.end());
    result.Kept = unchanged;
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        if (!done[k])
            continue;
        if (unchanged[k])
            ++result.Unchanged;
        else if (result.Outcomes[k].Reason.empty())
            ++result.Made;
    }
    return result;
}

WebPictureOutcome CopyWebPicture(const WebPictureJob& job) {
    const fs::path source = PathFromUtf8(job.Source);
    {
        errno = 0;
        std::ifstream in(source, std::ios::binary);
        if (!in) // the reasons the classic export gives ("brak uprawnień", …)
            return {FileErrorReason({errno ? errno : EIO, std::generic_category()})};
        std::string head(16, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<std::size_t>(in.gcount()));
        if (!in && !in.eof())
            return {"nie da się odczytać pliku"};
        if (!looksLikePicture(head))
            return {"to nie jest obrazek w formacie, który pokazują przeglądarki"};
    }
    for (const std::string* target : {&job.LargeTarget, &job.SmallTarget}) {
        if (target->empty() || (target == &job.SmallTarget && *target == job.LargeTarget))
            continue;
        std::error_code ignored;
        fs::remove(PathFromUtf8(*target), ignored); // what a cut-off run left
        const CopyResult copied = CopyFileKeepingHoles(source, PathFromUtf8(*target));
        if (copied.Fault == CopyFault::Target) {
            fs::remove(PathFromUtf8(job.LargeTarget), ignored);
            WebPictureOutcome failed{copied.Reason};
            failed.WriteError = copied.Error;
            return failed;
        }
        if (!copied)
            return {copied.Reason};
    }
    return {};
}

} // namespace targello
