#include "core/publish/Publisher.h"

#include "core/project/Utf8Path.h"

#include <set>

namespace targello {
namespace {

using Kind = PublishStep::Kind;

constexpr const char* LedgerTemporary = ".targello-publikacja.nowa";

} // namespace

int PublishPauseSeconds(int attempt) {
    return 1 << std::min(attempt - 2, 5);
}

Publisher::Publisher(RemoteFolder& remote, Pause pause, int attempts)
    : remote_(remote), pause_(std::move(pause)), attempts_(attempts) {}

template <typename Operation> auto Publisher::Retried(Operation operation) {
    for (int attempt = 1;; ++attempt) {
        try {
            return operation();
        } catch (const RemoteError& error) {
            if (!IsPassing(error.Problem) || attempt >= attempts_ || cancelled_)
                throw;
        }
        pause_(attempt + 1);
    }
}

bool Publisher::Report() {
    if (progress_ && *progress_ && !(*progress_)(state_))
        cancelled_ = true;
    return !cancelled_;
}

std::map<std::string, std::uintmax_t> Publisher::Present(const std::vector<std::string>& folders) {
    std::map<std::string, std::uintmax_t> present;
    for (const std::string& folder : folders) {
        const auto entries = Retried([&] { return remote_.List(folder); });
        if (!entries && folder.empty())
            throw RemoteError(RemoteProblem::FolderMissing);
        for (const RemoteEntry& entry : entries.value_or(std::vector<RemoteEntry>{}))
            if (!entry.Folder)
                present[folder.empty() ? entry.Name : folder + "/" + entry.Name] = entry.Size;
    }
    return present;
}

void Publisher::WriteLedger(const PublishLedger& ledger) {
    UploadSource source;
    source.FromFile = false;
    source.Bytes = ledger.Bytes();
    Retried([&] { remote_.Upload(LedgerTemporary, source, 0, [](std::uintmax_t) { return true; }); });
    Retried([&] { remote_.Rename(LedgerTemporary, PublishLedger::FileName); });
}

void Publisher::Send(const std::filesystem::path& folder, const PublishStep& step) {
    UploadSource source;
    source.File = folder / PathFromUtf8(step.Name);
    state_.Current = step.Name;
    const std::uintmax_t before = state_.BytesDone;
    std::uintmax_t offset = step.ResumeFrom;
    std::optional<std::uintmax_t> lastKept;
    for (int attempt = 1;; ++attempt) {
        const std::uintmax_t start = state_.BytesDone;
        try {
            remote_.Upload(step.Temporary, source, offset, [&](std::uintmax_t sent) {
                state_.BytesDone = start + sent;
                return Report();
            });
            break;
        } catch (const RemoteError& error) {
            if (error.Problem == RemoteProblem::Cancelled || cancelled_)
                throw RemoteError(RemoteProblem::Cancelled, step.Name);
            if (!IsPassing(error.Problem) || attempt >= attempts_)
                throw RemoteError(error.Problem, step.Name, error.Detail);
        }
        pause_(attempt + 1);
        // Go on from what the server kept of the file.
        const auto present = Present({ParentFolderOf(step.Temporary)});
        const auto kept = present.find(step.Temporary);
        offset = kept != present.end() && kept->second <= step.Size ? kept->second : 0;
        // A server that answers but cuts the file off at the same byte again
        // is out of room: it says so (452) only after dropping the transfer.
        if (lastKept == offset && offset > 0)
            throw RemoteError(RemoteProblem::NoSpace, step.Name);
        lastKept = offset;
        state_.BytesDone = before + (offset > step.ResumeFrom ? offset - step.ResumeFrom : 0);
    }
    state_.BytesDone = before + (step.Size - step.ResumeFrom);
    ++state_.FilesDone;
}

void Publisher::CheckSizes(const PublishPlan& plan) {
    std::set<std::string> folders;
    for (const PublishStep& step : plan.Steps)
        if (step.Action == Kind::Rename)
            folders.insert(ParentFolderOf(step.Temporary));
    const auto present = Present({folders.begin(), folders.end()});
    for (const PublishStep& step : plan.Steps) {
        if (step.Action != Kind::Rename)
            continue;
        const auto there = present.find(step.Temporary);
        if (there == present.end() || there->second != step.Size)
            throw RemoteError(RemoteProblem::SizeMismatch, step.Name,
                              there == present.end() ? "brak pliku" : std::to_string(there->second));
    }
}

void Publisher::Run(const std::filesystem::path& folder, const PublishPlan& plan, PublishOutcome& outcome) {
    bool checked = false;
    for (const PublishStep& step : plan.Steps) {
        switch (step.Action) {
        case Kind::WritePending:
            WriteLedger(plan.Pending);
            break;
        case Kind::Upload:
            if (!Report())
                throw RemoteError(RemoteProblem::Cancelled, step.Name);
            Send(folder, step);
            ++outcome.FilesSent;
            outcome.BytesSent += step.Size - step.ResumeFrom;
            break;
        case Kind::Rename:
            if (!checked) {
                if (!Report())
                    throw RemoteError(RemoteProblem::Cancelled);
                CheckSizes(plan);
                checked = true;
            }
            // From here on the files take their places: a cancel waits for the page.
            outcome.OldShopStands = false;
            Retried([&] { remote_.Rename(step.Temporary, step.Name); });
            break;
        case Kind::Remove:
            Retried([&] { remote_.Remove(step.Name); });
            break;
        case Kind::WriteLedger:
            WriteLedger(plan.Final);
            break;
        }
    }
}

PublishOutcome Publisher::Publish(const std::filesystem::path& folder, const PublishLedger& local,
                                  const std::string& page, const Progress& progress) {
    PublishOutcome outcome;
    progress_ = &progress;
    cancelled_ = false;
    state_ = {};
    try {
        const std::optional<std::string> text =
            Retried([&] { return remote_.Read(PublishLedger::FileName); });
        const std::optional<PublishLedger> remote = text ? PublishLedger::Parse(*text) : std::nullopt;
        const PublishPlan plan = PlanPublish(local, remote, Present(FoldersToList(local, remote)), page);
        state_.FilesTotal = plan.FilesToSend;
        state_.BytesTotal = plan.BytesToSend;
        Report();
        Run(folder, plan, outcome);
        outcome.Succeeded = true;
    } catch (const RemoteError& error) {
        outcome.Error = error;
    }
    progress_ = nullptr;
    return outcome;
}

} // namespace targello
