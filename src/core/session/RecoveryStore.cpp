#include "core/session/RecoveryStore.h"

#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectSave.h"
#include "core/project/Utf8Path.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace targello {
namespace {

namespace fs = std::filesystem;

constexpr const char* ProjectExtension = ".esk";
constexpr const char* NoteExtension = ".txt";
// A note is a few lines; anything larger is not one.
constexpr std::uintmax_t LargestNote = 64 * 1024;

// The process in a key "<process>-<name>", or nothing for a file that is not
// a recovery copy (those are left alone).
std::optional<std::int64_t> processOf(const std::string& key) {
    const std::size_t dash = key.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == key.size())
        return std::nullopt;
    std::int64_t process = 0;
    const char* end = key.data() + dash;
    const auto [stop, error] = std::from_chars(key.data(), end, process);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return process;
}

std::int64_t modifiedAt(const fs::path& file) {
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(file, error);
    if (error)
        return 0;
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::file_clock::to_sys(time).time_since_epoch())
        .count();
}

std::optional<std::string> readSmallFile(const fs::path& file) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > LargestNote)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "<key>.esk.<anything>": the temporary file of an atomic write that was
// cut short.
bool isTemporaryCopy(const fs::path& file) {
    const fs::path inner = file.stem().extension();
    return inner == ProjectExtension || inner == NoteExtension;
}

// The files of a folder; a folder that is missing or cannot be read has none.
std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    fs::directory_iterator next(folder, error);
    for (; !error && next != fs::directory_iterator(); next.increment(error))
        files.push_back(next->path());
    return files;
}

} // namespace

RecoveryStore::RecoveryStore(std::string folder, std::int64_t process)
    : folder_(std::move(folder)), process_(process) {}

std::string RecoveryStore::Key(const ShopPage& page) const {
    return std::to_string(process_) + "-s" + std::to_string(page.Serial());
}

RecoverySnapshot RecoveryStore::Snapshot(const ShopPage& page) const {
    RecoverySnapshot copy{Key(page), RecoveryNote{page.Caption(), page.ProjectPath()}, {}, {}};
    ProjectOutcome<std::string> bytes = ProjectBytesFromPage(page);
    if (bytes)
        copy.Project = std::move(*bytes.Value);
    else
        copy.Problem = std::move(bytes.Error);
    return copy;
}

RecoveryWrite RecoveryStore::failed(std::string message) {
    const bool tell = !failing_;
    failing_ = true;
    return {std::move(message), tell};
}

RecoveryWrite RecoveryStore::Write(const RecoverySnapshot& copy) {
    const std::string intro = "Nie można zapisać kopii do odzyskania strony „" + copy.Note.Caption + "”";
    if (!copy.Problem.empty())
        return failed(intro + ". " + copy.Problem);
    const fs::path folder = PathFromUtf8(folder_);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return failed(intro + ": nie da się utworzyć folderu „" + folder_ + "”.");
    const std::string& key = copy.Key;
    // The note goes first: a crash between the two writes leaves a note
    // without a project (nothing to offer), never a project without a note.
    const auto known = notes_.find(key);
    if (known == notes_.end() || known->second != copy.Note) {
        notes_.erase(key);
        const std::string problem =
            WriteFileAtomically(Utf8FromPath(folder / (key + NoteExtension)), FormatRecoveryNote(copy.Note));
        if (!problem.empty())
            return failed(intro + ". " + problem);
        notes_[key] = copy.Note;
    }
    const std::string problem =
        WriteFileAtomically(Utf8FromPath(folder / (key + ProjectExtension)), copy.Project);
    if (!problem.empty()) {
        notes_.erase(key); // the folder may have gone with the note in it
        return failed(intro + ". " + problem);
    }
    failing_ = false;
    return {};
}

void RecoveryStore::Discard(const std::string& key) {
    const std::optional<std::int64_t> process = processOf(key);
    if (!process || *process != process_)
        return;
    const fs::path folder = PathFromUtf8(folder_);
    std::error_code error;
    // The project first: a note alone is never offered.
    fs::remove(folder / (key + ProjectExtension), error);
    fs::remove(folder / (key + NoteExtension), error);
    notes_.erase(key);
}

void RecoveryStore::Remove(const ShopPage& page) {
    Discard(Key(page));
}

void RecoveryStore::RemoveOwn() {
    std::vector<std::string> keys;
    std::vector<fs::path> others;
    for (const fs::path& file : filesIn(PathFromUtf8(folder_))) {
        if (processOf(Utf8FromPath(file.filename())) != process_)
            continue;
        if (file.extension() == ProjectExtension || file.extension() == NoteExtension)
            keys.push_back(Utf8FromPath(file.stem()));
        else if (isTemporaryCopy(file))
            others.push_back(file);
    }
    for (const std::string& key : keys)
        Discard(key);
    std::error_code error;
    for (const fs::path& file : others)
        fs::remove(file, error);
}

RecoveryWrite RecoveryStore::Adopt(const std::string& key, const RecoverySnapshot& copy) {
    RecoveryWrite written = Write(copy);
    if (written.Error.empty())
        Discard(key);
    return written;
}

// Renames a copy of a process that is gone to a name of this process. The
// rename of the project decides: of two programs taking the same copy, one
// rename finds the file gone.
bool RecoveryStore::take(const std::string& key, std::string& ownKey) {
    const fs::path folder = PathFromUtf8(folder_);
    std::error_code error;
    do
        ownKey = std::to_string(process_) + "-z" + std::to_string(++taken_);
    while (fs::exists(folder / (ownKey + ProjectExtension), error) ||
           fs::exists(folder / (ownKey + NoteExtension), error));
    fs::rename(folder / (key + ProjectExtension), folder / (ownKey + ProjectExtension), error);
    if (error)
        return false;
    fs::rename(folder / (key + NoteExtension), folder / (ownKey + NoteExtension), error);
    return true;
}

RecoveryScan RecoveryStore::TakeOrphans() {
    const fs::path folder = PathFromUtf8(folder_);
    std::error_code error;
    std::vector<std::string> orphans;
    std::vector<fs::path> leftovers;
    for (const fs::path& file : filesIn(folder)) {
        const std::string key = Utf8FromPath(file.stem());
        const std::optional<std::int64_t> process = processOf(key);
        if (!process || *process == process_ || ProcessIsRunning(*process))
            continue;
        if (file.extension() == ProjectExtension)
            orphans.push_back(key);
        else if (isTemporaryCopy(file) ||
                 (file.extension() == NoteExtension && !fs::exists(folder / (key + ProjectExtension), error)))
            leftovers.push_back(file);
    }
    // A note without its project, or a temporary file, is what a crash
    // during a write leaves: there is nothing to recover.
    for (const fs::path& stray : leftovers)
        fs::remove(stray, error);
    std::sort(orphans.begin(), orphans.end());
    std::vector<std::string> taken;
    for (const std::string& key : orphans) {
        std::string ownKey;
        if (take(key, ownKey))
            taken.push_back(ownKey);
    }
    return readTaken(taken);
}

RecoveryScan RecoveryStore::readTaken(const std::vector<std::string>& keys) const {
    const fs::path folder = PathFromUtf8(folder_);
    RecoveryScan scan;
    for (const std::string& key : keys) {
        const fs::path project = folder / (key + ProjectExtension);
        ProjectOutcome<ProjectRecord> record = ReadProjectFile(Utf8FromPath(project));
        if (!record) {
            scan.Damaged.push_back({key, "Pominięto uszkodzoną kopię do odzyskania. " + record.Error});
            continue;
        }
        // The note only describes the copy: without it the work is offered
        // all the same.
        const std::optional<std::string> text = readSmallFile(folder / (key + NoteExtension));
        const std::optional<RecoveryNote> note = text ? ParseRecoveryNote(*text) : std::nullopt;
        scan.Entries.push_back(
            {key, note.value_or(RecoveryNote{}), modifiedAt(project), std::move(*record.Value)});
    }
    std::stable_sort(scan.Entries.begin(), scan.Entries.end(),
                     [](const RecoveryEntry& a, const RecoveryEntry& b) { return a.SavedAt < b.SavedAt; });
    return scan;
}

ProjectApplyReport RestoreRecoveredPage(const RecoveryEntry& entry, ShopPage& page) {
    ProjectApplyReport report = ApplyProjectToPage(entry.Project, page);
    page.SetProjectPath(entry.Note.UserFile);
    page.MarkChanged();
    return report;
}

} // namespace targello
