#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace targello::testing {

// No system gives out process ids this large, so no process has it.
inline constexpr std::int64_t GoneProcess = 2'147'480'000;

// A process that runs for the whole test and is not the test itself.
inline std::int64_t OtherRunningProcess() {
#ifdef _WIN32
    return 0;
#else
    return static_cast<std::int64_t>(getppid());
#endif
}

// A fresh folder below the temporary folder, removed after the test.
class RecoveryTest : public ::testing::Test {
protected:
    RecoveryTest() {
        std::random_device seed;
        folder_ = std::filesystem::temp_directory_path() / ("targello-odzysk-" + std::to_string(seed()));
    }
    ~RecoveryTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string folder() const { return folder_.string(); }
    std::size_t fileCount() const {
        std::error_code ignored;
        if (!std::filesystem::exists(folder_, ignored))
            return 0;
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& file : std::filesystem::directory_iterator(folder_))
            ++count;
        return count;
    }

    // A page of the workspace with `items` products, the first one named.
    ShopPage& page(int items, const std::string& firstName = "Kubek") {
        ShopPage& page = *workspace_.NewPage(EditedSettings::initial().Values);
        for (int k = 0; k < items; ++k)
            page.InsertItem();
        if (items > 0)
            page.SetItemName(0, firstName);
        return page;
    }

    std::filesystem::path folder_;
    ShopWorkspace workspace_;
};

} // namespace targello::testing
