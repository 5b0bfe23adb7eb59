#include "core/modern/PictureStamps.h"

#include "core/project/Utf8Path.h"

#include <fstream>
#include <sstream>

namespace targello {
namespace {

namespace fs = std::filesystem;

std::string nameOf(const std::string& path) {
    return path.empty() ? std::string() : Utf8FromPath(PathFromUtf8(path).filename());
}

bool storable(const std::string& name) {
    return name.find_first_of("\t\n\r") == std::string::npos;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

} // namespace

PictureStamps::FileState PictureStamps::StateOf(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return {};
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        return {};
    const auto time = fs::last_write_time(file, error);
    if (error)
        return {};
    return {size, static_cast<long long>(time.time_since_epoch().count()), true};
}

void PictureStamps::ReadLine(const std::vector<std::string>& fields, const std::string& folder) {
    if (fields.size() == 3) {
        const FileState written{std::stoull(fields[1]), std::stoll(fields[2]), true};
        if (Matches(written, PathFromUtf8(folder) / PathFromUtf8(fields[0])))
            retired_.emplace(fields[0], written); // one that is gone is forgotten
        return;
    }
    if (fields.size() == 4) { // the middle copy of the large copy named first
        const auto found = stamps_.find(fields[0]);
        if (found != stamps_.end()) {
            found->second.Medium = fields[1];
            found->second.MediumCopy = {std::stoull(fields[2]), std::stoll(fields[3]), true};
        }
        return;
    }
    // Six fields from older versions, which did not record the
    // copies: such copies are never taken for the export's own again.
    if (fields.size() != 6 && fields.size() != 10)
        return;
    Stamp stamp{fields[1],
                {std::stoull(fields[2]), std::stoll(fields[3]), true},
                std::stoi(fields[4]),
                std::stoi(fields[5]),
                {},
                {},
                {},
                {}};
    stamp.Source.Known = stamp.Source.Size != 0 || stamp.Source.Time != 0; // see Forget
    if (fields.size() == 10) {
        stamp.LargeCopy = {std::stoull(fields[6]), std::stoll(fields[7]), true};
        stamp.SmallCopy = {std::stoull(fields[8]), std::stoll(fields[9]), !stamp.Small.empty()};
    }
    stamps_[fields[0]] = stamp;
}

PictureStamps PictureStamps::Load(const std::string& folder) {
    PictureStamps stamps;
    std::ifstream in(PathFromUtf8(folder) / FileName, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        try {
            stamps.ReadLine(fieldsOf(line), folder);
        } catch (const std::exception&) { // a damaged line only means that picture is made again
        }
    }
    return stamps;
}

std::string PictureStamps::Bytes() const {
    std::ostringstream out;
    for (const auto& [large, stamp] : stamps_) {
        out << large << '\t' << stamp.Small << '\t' << stamp.Source.Size << '\t' << stamp.Source.Time << '\t'
            << stamp.Width << '\t' << stamp.Height << '\t' << stamp.LargeCopy.Size << '\t'
            << stamp.LargeCopy.Time << '\t' << stamp.SmallCopy.Size << '\t' << stamp.SmallCopy.Time << '\n';
        if (!stamp.Medium.empty())
            out << large << '\t' << stamp.Medium << '\t' << stamp.MediumCopy.Size << '\t'
                << stamp.MediumCopy.Time << '\n';
    }
    for (const auto& [name, written] : retired_)
        out << name << '\t' << written.Size << '\t' << written.Time << '\n';
    return out.str();
}

bool PictureStamps::Lists(const std::string& name) const {
    for (const auto& [large, stamp] : stamps_)
        if (name == large || (!stamp.Small.empty() && name == stamp.Small) ||
            (!stamp.Medium.empty() && name == stamp.Medium))
            return true;
    return retired_.count(name) != 0;
}

bool PictureStamps::Matches(const FileState& written, const fs::path& file) {
    return written.Known && StateOf(file) == written;
}

bool PictureStamps::Wrote(const std::string& name, const fs::path& file) const {
    for (const auto& [large, stamp] : stamps_)
        if ((name == large && Matches(stamp.LargeCopy, file)) ||
            (!stamp.Small.empty() && name == stamp.Small && Matches(stamp.SmallCopy, file)) ||
            (!stamp.Medium.empty() && name == stamp.Medium && Matches(stamp.MediumCopy, file)))
            return true;
    const auto [first, last] = retired_.equal_range(name);
    for (auto copy = first; copy != last; ++copy)
        if (Matches(copy->second, file))
            return true;
    return false;
}

void PictureStamps::Retire(const std::string& name, const FileState& written) {
    if (!written.Known || !storable(name))
        return;
    const auto [first, last] = retired_.equal_range(name);
    for (auto copy = first; copy != last; ++copy)
        if (copy->second == written)
            return;
    retired_.emplace(name, written);
}

bool PictureStamps::Unchanged(const WebPictureJob& job, WebPictureOutcome& made) const {
    const std::string large = nameOf(job.LargeTarget);
    const std::string small = nameOf(job.SmallTarget);
    const std::string medium = nameOf(job.MediumTarget);
    const auto found = stamps_.find(large);
    // Copies made before there was a middle copy are made again, all of them.
    if (found == stamps_.end() || found->second.Small != small || found->second.Medium != medium)
        return false;
    if (StateOf(PathFromUtf8(job.Source)) != found->second.Source ||
        !Matches(found->second.LargeCopy, PathFromUtf8(job.LargeTarget)) ||
        (!small.empty() && !Matches(found->second.SmallCopy, PathFromUtf8(job.SmallTarget))) ||
        (!medium.empty() && !Matches(found->second.MediumCopy, PathFromUtf8(job.MediumTarget))))
        return false;
    made = {{}, found->second.Width, found->second.Height};
    return true;
}

void PictureStamps::Record(const WebPictureJob& job, const WebPictureOutcome& made, const fs::path& largeCopy,
                           const fs::path& smallCopy, const fs::path& mediumCopy) {
    const std::string large = nameOf(job.LargeTarget);
    const std::string small = nameOf(job.SmallTarget);
    const std::string medium = nameOf(job.MediumTarget);
    Stamp stamp{small,
                StateOf(PathFromUtf8(job.Source)),
                made.LargeWidth,
                made.LargeHeight,
                StateOf(largeCopy),
                small.empty() ? FileState{} : StateOf(smallCopy),
                medium,
                medium.empty() ? FileState{} : StateOf(mediumCopy)};
    if (const auto replaced = stamps_.find(large); replaced != stamps_.end()) {
        Retire(large, replaced->second.LargeCopy);
        if (!replaced->second.Small.empty())
            Retire(replaced->second.Small, replaced->second.SmallCopy);
        if (!replaced->second.Medium.empty())
            Retire(replaced->second.Medium, replaced->second.MediumCopy);
        stamps_.erase(replaced);
    }
    if (stamp.Source.Known && stamp.LargeCopy.Known && (small.empty() || stamp.SmallCopy.Known) &&
        (medium.empty() || stamp.MediumCopy.Known) && storable(large) && storable(small) && storable(medium))
        stamps_[large] = stamp;
}

void PictureStamps::Forget(const WebPictureJob& job) {
    const auto found = stamps_.find(nameOf(job.LargeTarget));
    if (found != stamps_.end())
        found->second.Source = {};
}

} // namespace targello
