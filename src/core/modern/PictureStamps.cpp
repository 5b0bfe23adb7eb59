#include "core/modern/PictureStamps.h"

#include "core/project/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace targello {
namespace {

namespace fs = std::filesystem;

struct SourceState {
    std::uintmax_t Size = 0;
    long long Time = 0;
};

std::optional<SourceState> stateOf(const std::string& path) {
    std::error_code error;
    const fs::path file = PathFromUtf8(path);
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        return std::nullopt;
    const auto time = fs::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return SourceState{size, static_cast<long long>(time.time_since_epoch().count())};
}

std::string nameOf(const std::string& path) {
    return path.empty() ? std::string() : Utf8FromPath(PathFromUtf8(path).filename());
}

bool exists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(PathFromUtf8(path), error);
}

bool storable(const std::string& name) {
    return name.find_first_of("\t\n\r") == std::string::npos;
}

} // namespace

PictureStamps PictureStamps::Load(const std::string& folder) {
    PictureStamps stamps;
    std::ifstream in(PathFromUtf8(folder) / FileName, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string large, small, size, time, width, height;
        if (!std::getline(fields, large, '\t') || !std::getline(fields, small, '\t') ||
            !std::getline(fields, size, '\t') || !std::getline(fields, time, '\t') ||
            !std::getline(fields, width, '\t') || !std::getline(fields, height))
            continue;
        try {
            stamps.stamps_[large] = {small, std::stoull(size), std::stoll(time), std::stoi(width),
                                     std::stoi(height)};
        } catch (const std::exception&) { // a damaged line only means that picture is made again
        }
    }
    return stamps;
}

bool PictureStamps::Save(const std::string& folder) const {
    const fs::path target = PathFromUtf8(folder) / FileName;
    fs::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& [large, stamp] : stamps_)
            out << large << '\t' << stamp.Small << '\t' << stamp.Size << '\t' << stamp.Time << '\t'
                << stamp.Width << '\t' << stamp.Height << '\n';
        out.close();
        if (!out)
            return false;
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error)
        fs::remove(temporary, error);
    return !error;
}

bool PictureStamps::Unchanged(const WebPictureJob& job, WebPictureOutcome& made) const {
    const auto found = stamps_.find(nameOf(job.LargeTarget));
    if (found == stamps_.end() || found->second.Small != nameOf(job.SmallTarget))
        return false;
    const std::optional<SourceState> now = stateOf(job.Source);
    if (!now || now->Size != found->second.Size || now->Time != found->second.Time ||
        !exists(job.LargeTarget) || (!job.SmallTarget.empty() && !exists(job.SmallTarget)))
        return false;
    made = {{}, found->second.Width, found->second.Height};
    return true;
}

void PictureStamps::Record(const WebPictureJob& job, const WebPictureOutcome& made) {
    const std::string large = nameOf(job.LargeTarget);
    const std::string small = nameOf(job.SmallTarget);
    const std::optional<SourceState> now = stateOf(job.Source);
    if (!now || !storable(large) || !storable(small)) {
        Forget(job);
        return;
    }
    stamps_[large] = {small, now->Size, now->Time, made.LargeWidth, made.LargeHeight};
}

void PictureStamps::Forget(const WebPictureJob& job) {
    stamps_.erase(nameOf(job.LargeTarget));
}

} // namespace targello
