#include "core/modern/PictureBatch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

using namespace targello;
namespace fs = std::filesystem;

namespace {

class PictureBatchRun : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("targello-batch-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "kopie");
        for (int k = 0; k < 8; ++k) {
            const fs::path source = root / ("zdjecie" + std::to_string(k) + ".jpg");
            std::ofstream(source) << "zdjęcie " << k;
            jobs.push_back({source.string(),
                            (root / "kopie" / ("k" + std::to_string(k) + ".jpg")).string(),
                            {},
                            1600,
                            0,
                            0});
        }
    }
    void TearDown() override { fs::remove_all(root); }

    // Writes the copy after a short while, as a real picture would take.
    WebPictureMaker slowMaker() {
        return [this](const WebPictureJob& job) {
            ++made;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            std::ofstream(job.LargeTarget) << "kopia";
            return WebPictureOutcome{{}, 10, 20};
        };
    }

    // Runs the batch and remembers what it made, as an export does once its
    // copies are in place.
    PictureBatchResult run(const WebPictureMaker& maker, const WebPictureProgress& progress) {
        PictureBatchResult result = RunPictureBatch(jobs, stamps, maker, progress);
        for (std::size_t k = 0; k < jobs.size(); ++k)
            if (result.Done[k] && !result.Kept[k] && result.Outcomes[k].Reason.empty())
                stamps.Record(jobs[k], result.Outcomes[k], jobs[k].LargeTarget, {});
        return result;
    }

    fs::path root;
    std::vector<WebPictureJob> jobs;
    PictureStamps stamps;
    std::atomic<int> made{0};
};

} // namespace

TEST_F(PictureBatchRun, ProgressRunsOnTheCallingThreadAndCancelStopsNewPictures) {
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<int> seen;
    const PictureBatchResult result = run(slowMaker(), [&](int done, int total) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        EXPECT_EQ(total, 8);
        seen.push_back(done);
        return done < 2;
    });
    EXPECT_TRUE(result.Cancelled);
    // Pictures already started finish; none starts after the cancel.
    EXPECT_GE(made.load(), 2);
    EXPECT_LT(made.load(), 8);
    EXPECT_EQ(result.Made, made.load());
    EXPECT_EQ(static_cast<int>(std::count(result.Done.begin(), result.Done.end(), true)), made.load());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));

    // The next run makes only what the cancel left undone.
    made = 0;
    int calls = 0;
    const PictureBatchResult rest = run(slowMaker(), [&](int, int) {
        ++calls;
        return true;
    });
    EXPECT_FALSE(rest.Cancelled);
    EXPECT_EQ(rest.Made + rest.Unchanged, 8);
    EXPECT_EQ(rest.Unchanged, result.Made);
    EXPECT_EQ(rest.Made, made.load());
    EXPECT_GE(calls, 1);
}

TEST_F(PictureBatchRun, FailedPicturesAreTriedAgainNextTime) {
    const auto failing = [](const WebPictureJob&) { return WebPictureOutcome{"nie da się odczytać pliku"}; };
    const PictureBatchResult failed = run(failing, {});
    EXPECT_EQ(failed.Made, 0);
    EXPECT_EQ(failed.Outcomes[3].Reason, "nie da się odczytać pliku");
    const PictureBatchResult again = run(slowMaker(), {});
    EXPECT_EQ(again.Made, 8);
    EXPECT_EQ(again.Outcomes[0].LargeWidth, 10);
    // Kept copies report the size they were made at.
    const PictureBatchResult kept = run(failing, {});
    EXPECT_EQ(kept.Unchanged, 8);
    EXPECT_EQ(kept.Outcomes[7].LargeHeight, 20);
}
