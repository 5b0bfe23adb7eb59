#include "core/project/ProjectSave.h"

#include "core/files/FileCopy.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/files/FileSync.h"
#include "core/project/PageToProject.h"
#include "core/project/SharedFileAccess.h"
#include "core/project/Utf8Path.h"

#include <random>
#include <system_error>

namespace targello {
namespace {

namespace fs = std::filesystem;

std::string failure(const std::string& path, const std::string& reason) {
    return "Nie można zapisać projektu „" + path + "”: " + reason + ".";
}

// A name in the target's folder that no file has yet.
fs::path temporaryBeside(const fs::path& target) {
    std::random_device seed;
    std::mt19937 random(seed());
    std::error_code error;
    for (;;) {
        fs::path candidate = target;
        candidate += ".zapis-" + std::to_string(random() % 1000000);
        if (!fs::exists(candidate, error))
            return candidate;
    }
}

} // namespace

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const fs::path target = PathFromUtf8(path);
    // A FIFO or a device in the project's place is refused before anything is written.
    if (const std::string problem = WritableFileProblem(target); !problem.empty())
        return failure(path, problem);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (StatusOfFile(folder).Kind != FileKind::Folder)
        return failure(path, "folder, w którym ma powstać plik, nie istnieje");
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    const fs::path temporary = temporaryBeside(target);
    // A half-written temporary is removed by WriteNewFile; the project stays as it was.
    if (const std::error_code written = WriteNewFile(temporary, bytes))
        return failure(path, FileErrorReason(written));
    // On the disk before it takes the old file's name: a power cut must not
    // leave an empty project where a whole one was.
    if (const std::error_code synced = SyncFile(temporary)) {
        fs::remove(temporary, error);
        return failure(path, FileErrorReason(synced));
    }
#ifndef _WIN32
    // The saved file keeps its mode. Windows has only the read-only mark,
    // which refuses the save instead (and would keep the temporary file).
    if (fs::exists(existing))
        fs::permissions(temporary, existing.permissions(), error);
#endif
    error = MoveOver(temporary, target);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return failure(path, MoveOverFailure(error));
    }
    SyncFolder(folder); // the new name too; the file is whole under one name or the other
    return {};
}

std::string SaveProject(const ShopPage& page, const std::string& path) {
    const ProjectOutcome<std::string> bytes = ProjectBytesFromPage(page);
    if (!bytes)
        return bytes.Error;
    return WriteFileAtomically(path, *bytes.Value);
}

} // namespace targello
