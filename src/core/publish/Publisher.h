#pragma once

#include "core/publish/PublishLedger.h"
#include "core/publish/PublishPlan.h"
#include "core/publish/RemoteFolder.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace targello {

struct PublishProgress {
    std::size_t FilesDone = 0;
    std::size_t FilesTotal = 0;
    std::uintmax_t BytesDone = 0;
    std::uintmax_t BytesTotal = 0;
    std::string Current; // the file on its way
};

struct PublishOutcome {
    bool Succeeded = false;
    // On failure: whether the server still holds the shop that was there
    // before (nothing was renamed into place yet).
    bool OldShopStands = true;
    std::optional<RemoteError> Error;
    std::size_t FilesSent = 0;
    std::uintmax_t BytesSent = 0;
};

// Carries out a publish: reads the ledger and listings, plans, sends, checks
// every sent file's size before anything takes its place, and retries an
// operation that failed for a passing reason after growing pauses.
class Publisher {
public:
    // Waits before attempt `attempt` (2, 3, ...) of the same operation.
    using Pause = std::function<void(int attempt)>;
    // Told how far the publish is; false asks it to stop (it stops only
    // while the old shop still stands).
    using Progress = std::function<bool(const PublishProgress&)>;

    Publisher(RemoteFolder& remote, Pause pause, int attempts = 4);

    PublishOutcome Publish(const std::filesystem::path& folder, const PublishLedger& local,
                           const std::string& page, const Progress& progress);

private:
    template <typename Operation> auto Retried(Operation operation);
    std::map<std::string, std::uintmax_t> Present(const std::vector<std::string>& folders);
    void Run(const std::filesystem::path& folder, const PublishPlan& plan, PublishOutcome& outcome);
    void Send(const std::filesystem::path& folder, const PublishStep& step);
    void WriteLedger(const PublishLedger& ledger);
    void CheckSizes(const PublishPlan& plan);
    bool Report();

    RemoteFolder& remote_;
    Pause pause_;
    int attempts_;
    const Progress* progress_ = nullptr;
    PublishProgress state_;
    bool cancelled_ = false;
};

// The pause before attempt `attempt` of an operation: 1 s, 2 s, 4 s, ...
int PublishPauseSeconds(int attempt);

} // namespace targello
