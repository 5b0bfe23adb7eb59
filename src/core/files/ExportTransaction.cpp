#include "core/files/ExportTransaction.h"

#include "core/files/FileKind.h"
#include "core/files/FileSync.h"

#include <random>
#include <set>

namespace targello {
namespace {

namespace fs = std::filesystem;

// What the temporary names beside a target hold: a new file on its way in
// (".name.targello-new-123"), which a later run may always remove, or the old
// file kept until the new one stands (".name.targello-123"), which it may
// remove only while the file itself is there again.
enum class Holds { NewFile, OldFile };

// Tries `write` with fresh temporary names beside `target` until one is free.
template <class Write> auto WithTemporaryName(const fs::path& target, Holds holds, Write write) {
    static thread_local std::mt19937 random(std::random_device{}());
    for (int attempt = 0;; ++attempt) {
        fs::path name(u8".");
        name += target.filename().native();
        name += std::string(holds == Holds::NewFile ? ".targello-new-" : ".targello-") +
                std::to_string(random() % 1000000);
        fs::path temporary = target;
        temporary.replace_filename(name);
        auto result = write(temporary);
        if (!result.first || attempt == 100)
            return std::make_pair(result, temporary);
    }
}

// Removes a file of the transaction's own. Windows refuses to delete a
// read-only file, and the backup of a read-only page is one: its mark is
// taken off first there. Elsewhere this is a plain remove.
void RemoveOwnFile(const fs::path& path) {
    std::error_code error;
    if (fs::remove(path, error) || !error)
        return;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
    if (!error)
        fs::remove(path, error);
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

std::string Utf8Name(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

// The name a leftover ".name.targello-…" stands beside, or "" for any other
// file; `backup` tells whether it may be a transaction's backup.
std::string LeftoverOf(const std::string& file, bool& backup) {
    static const std::string Mark = ".targello-";
    const std::size_t mark = file.rfind(Mark);
    if (file.size() < 2 || file[0] != '.' || mark == std::string::npos || mark <= 1)
        return {};
    const std::string tail = file.substr(mark + Mark.size());
    const auto number = [](std::string_view text) {
        return !text.empty() && text.size() <= 6 && text.find_first_not_of("0123456789") == std::string::npos;
    };
    backup = number(tail);
    const bool staged = tail.starts_with("new-") && number(std::string_view(tail).substr(4));
    if (!backup && !staged && tail != "new" && tail != "new.tmp")
        return {};
    return file.substr(1, mark - 1);
}

} // namespace

void RemoveUnfinishedFiles(const fs::path& folder,
                           const std::function<bool(const std::string& name)>& owned) {
    std::error_code error;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator next(folder, error); !error && next != fs::directory_iterator();
         next.increment(error)) {
        bool backup = false;
        const std::string name = LeftoverOf(Utf8Name(next->path()), backup);
        if (name.empty() || !owned(name))
            continue;
        fs::path beside = next->path();
        beside.replace_filename(std::u8string(name.begin(), name.end()));
        if (backup && StatusOfFile(beside).Kind != FileKind::Regular)
            continue;
        leftovers.push_back(next->path());
    }
    for (const fs::path& leftover : leftovers)
        if (StatusOfFile(leftover).Kind == FileKind::Regular)
            RemoveOwnFile(leftover);
}

void RemoveUnfinishedFilesOf(const fs::path& file) {
    const std::string name = Utf8Name(file);
    RemoveUnfinishedFiles(file.has_parent_path() ? file.parent_path() : fs::path("."),
                          [&name](const std::string& candidate) { return candidate == name; });
}

ExportTransaction::~ExportTransaction() {
    Abandon();
}

std::error_code ExportTransaction::MakeFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::create_directory(folder, error))
        madeFolders_.push_back(folder);
    return error;
}

std::error_code ExportTransaction::StageBytes(const fs::path& target, std::string_view bytes) {
    const auto [outcome, temporary] = WithTemporaryName(target, Holds::NewFile, [&](const fs::path& name) {
        const std::error_code error = WriteNewFile(name, bytes);
        return std::make_pair(error == std::errc::file_exists, error);
    });
    if (!outcome.second)
        staged_.push_back({temporary, target, true});
    return outcome.second;
}

CopyResult ExportTransaction::StageCopy(const fs::path& source, const fs::path& target,
                                        const std::atomic<bool>* cancel) {
    const auto [outcome, temporary] = WithTemporaryName(target, Holds::NewFile, [&](const fs::path& name) {
        // A temporary name taken by another file: try the next one.
        const bool taken = Exists(name);
        return std::make_pair(taken, taken ? CopyResult{} : CopyFileKeepingHoles(source, name, cancel));
    });
    if (outcome.second)
        staged_.push_back({temporary, target});
    return outcome.second;
}

void ExportTransaction::StageWritten(const fs::path& temporary, const fs::path& target) {
    staged_.push_back({temporary, target});
}

std::error_code ExportTransaction::Commit() {
    if (const std::error_code error = SyncStaged()) {
        Abandon();
        return error;
    }
    std::vector<Replaced> replaced;
    for (auto staged = staged_.rbegin(); staged != staged_.rend(); ++staged) {
        std::error_code error;
        Replaced step{staged->Target, {}};
        const fs::file_status old = fs::status(staged->Target, error);
        if (fs::exists(old) && !fs::is_regular_file(old))
            error = std::make_error_code(fs::is_directory(old) ? std::errc::is_a_directory
                                                               : std::errc::no_such_device_or_address);
        if (error && error != std::errc::no_such_file_or_directory) {
            PutBack(replaced);
            Abandon();
            return error;
        }
        if (fs::exists(old)) {
            // The old file stays reachable under a backup name until the end.
            fs::permissions(staged->Temporary, old.permissions(), error);
            std::tie(std::ignore, step.Backup) =
                WithTemporaryName(staged->Target, Holds::OldFile, [&](const fs::path& name) {
                    std::error_code linked;
                    fs::create_hard_link(staged->Target, name, linked);
                    if (linked && linked != std::errc::file_exists) {
                        linked.clear(); // a file system without hard links
                        if (Exists(name))
                            linked = std::make_error_code(std::errc::file_exists);
                        else
                            fs::rename(staged->Target, name, linked);
                    }
                    error = linked;
                    return std::make_pair(linked == std::errc::file_exists, linked);
                });
            if (error) {
                PutBack(replaced);
                Abandon();
                return error;
            }
        }
        fs::rename(staged->Temporary, staged->Target, error);
        if (error) {
            std::error_code ignored;
            if (!step.Backup.empty() && Exists(staged->Target))
                RemoveOwnFile(step.Backup); // hard-linked: the old file is still in place
            else if (!step.Backup.empty())
                fs::rename(step.Backup, staged->Target, ignored);
            PutBack(replaced);
            Abandon();
            return error;
        }
        replaced.push_back(step);
    }
    SyncFolders();
    for (const Replaced& step : replaced)
        if (!step.Backup.empty())
            RemoveOwnFile(step.Backup);
    staged_.clear();
    madeFolders_.clear();
    return {};
}

std::error_code ExportTransaction::SyncStaged() const {
    for (const Staged& staged : staged_)
        if (staged.Durable)
            if (const std::error_code error = SyncFile(staged.Temporary))
                return error;
    return {};
}

// Past the last rename the new files stand whatever this finds: a folder that
// cannot be synced only leaves them as durable as the system makes them.
void ExportTransaction::SyncFolders() const {
    std::set<fs::path> folders;
    for (const Staged& staged : staged_)
        folders.insert(staged.Target.parent_path());
    for (const fs::path& folder : folders)
        SyncFolder(folder);
}

void ExportTransaction::PutBack(const std::vector<Replaced>& replaced) {
    for (auto step = replaced.rbegin(); step != replaced.rend(); ++step) {
        std::error_code ignored;
        if (step->Backup.empty())
            fs::remove(step->Target, ignored);
        else
            fs::rename(step->Backup, step->Target, ignored);
    }
}

void ExportTransaction::Abandon() {
    std::error_code ignored;
    for (const Staged& staged : staged_)
        RemoveOwnFile(staged.Temporary);
    staged_.clear();
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
        fs::remove(*folder, ignored); // only when empty
    madeFolders_.clear();
}

} // namespace targello
