#include "core/project/ProjectSave.h"

#include "core/project/PageToProject.h"
#include "core/project/SharedFileAccess.h"
#include "core/project/Utf8Path.h"

#include <fstream>
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

enum class WriteOutcome { Written, NotCreated, NotWritten };

WriteOutcome writeWhole(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return WriteOutcome::NotCreated;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out ? WriteOutcome::Written : WriteOutcome::NotWritten;
}

} // namespace

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const fs::path target = PathFromUtf8(path);
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    if (fs::is_directory(existing))
        return failure(path, "pod tą nazwą jest folder");
    const fs::path temporary = temporaryBeside(target);
    switch (writeWhole(temporary, bytes)) {
    case WriteOutcome::NotCreated:
        return failure(path, "nie da się utworzyć pliku w tym folderze (folder nie istnieje "
                             "albo brak uprawnień do zapisu)");
    case WriteOutcome::NotWritten:
        fs::remove(temporary, error);
        return failure(path, "zapis się nie powiódł (być może brak miejsca na dysku)");
    case WriteOutcome::Written:
        break;
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
    return {};
}

std::string SaveProject(const ShopPage& page, const std::string& path) {
    const ProjectOutcome<std::string> bytes = ProjectBytesFromPage(page);
    if (!bytes)
        return bytes.Error;
    return WriteFileAtomically(path, *bytes.Value);
}

} // namespace targello
