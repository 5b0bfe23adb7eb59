#pragma once

#include "core/files/FileCopy.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace targello {

// Writes a set of files so that either all of them take their places or the
// files that were there stay exactly as they were. Each file is first written
// under a temporary name in its target's folder; Commit renames them into
// place. A failure or cancellation before Commit only has to remove the
// temporaries (the destructor does), and a failure during Commit puts back
// every file already replaced. Folders the transaction made are removed again
// when it does not commit. Files staged from bytes (the page, the lists the
// export keeps) reach the disk before they are renamed, and every folder
// renamed into after, so that a power cut leaves the old file or the new one,
// never an empty one; copies are left to the system, which is much faster.
class ExportTransaction {
public:
    ExportTransaction() = default;
    ~ExportTransaction();
    ExportTransaction(const ExportTransaction&) = delete;
    ExportTransaction& operator=(const ExportTransaction&) = delete;

    // Makes `folder` when it does not exist yet.
    std::error_code MakeFolder(const std::filesystem::path& folder);

    // Stages `bytes` as the new content of `target`.
    std::error_code StageBytes(const std::filesystem::path& target, std::string_view bytes);

    // Stages a copy of the regular file `source` as the new `target`.
    CopyResult StageCopy(const std::filesystem::path& source, const std::filesystem::path& target,
                         const std::atomic<bool>* cancel = nullptr);

    // Stages `temporary`, a complete file another writer made beside
    // `target`, as the new `target`; from now on the transaction owns it.
    void StageWritten(const std::filesystem::path& temporary, const std::filesystem::path& target);

    // Puts every staged file in its place, the one staged first last (stage
    // the page first: its space is taken before the pictures', and it appears
    // only once they are there). Returns the error that stopped it, after
    // which everything is as it was before the transaction.
    std::error_code Commit();

    // Removes the temporaries and the folders made; nothing else changes.
    void Abandon();

private:
    struct Staged {
        std::filesystem::path Temporary;
        std::filesystem::path Target;
        bool Durable = false; // synced to the disk before it is renamed
    };
    struct Replaced {
        std::filesystem::path Target;
        std::filesystem::path Backup; // empty when nothing stood there before
    };

    void PutBack(const std::vector<Replaced>& replaced);
    std::error_code SyncStaged() const;
    void SyncFolders() const;

    std::vector<Staged> staged_;
    std::vector<std::filesystem::path> madeFolders_;
};

// Removes from `folder` what an export cut off by a crash or a power cut left
// beside the files it was putting in place: the hidden ".name.targello-…"
// temporaries, backups and staged copies of every name for which `owned`
// (given the UTF-8 name) says the export writes it. Nothing else is touched,
// and a backup whose file is gone is kept: it may be the old file's only copy.
// New files on their way in carry names of their own, so they go whether or
// not the file they were to replace exists.
void RemoveUnfinishedFiles(const std::filesystem::path& folder,
                           const std::function<bool(const std::string& name)>& owned);

// The same for the one file `file` (the shop's page): what a cut-off export
// left beside it in its folder.
void RemoveUnfinishedFilesOf(const std::filesystem::path& file);

} // namespace targello
