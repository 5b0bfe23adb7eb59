#include "core/modern/ReplaceFile.h"

#include "core/project/Utf8Path.h"

#include <filesystem>
#include <fstream>

namespace targello {
namespace {

namespace fs = std::filesystem;

std::string cannotWrite(const std::string& path) {
    return "Nie można zapisać pliku " + path;
}

} // namespace

ReplaceFile::ReplaceFile(std::string path) : path_(std::move(path)), temporary_(path_ + ".targello-tmp") {
    std::error_code error;
    if (fs::is_directory(PathFromUtf8(path_), error)) {
        error_ = "Nie można utworzyć pliku " + path_ + ": pod tą nazwą jest folder";
        return;
    }
    try {
        std::ofstream probe(PathFromUtf8(temporary_), std::ios::binary | std::ios::trunc);
        if (!probe.is_open())
            error_ = "Nie można utworzyć pliku " + path_;
    } catch (const std::exception&) { // a name the file system cannot take
        error_ = "Nie można utworzyć pliku " + path_;
    }
}

ReplaceFile::~ReplaceFile() {
    if (!committed_ && error_.empty()) {
        std::error_code ignored;
        fs::remove(PathFromUtf8(temporary_), ignored);
    }
}

std::string ReplaceFile::Commit(const std::string& bytes) {
    if (!error_.empty())
        return error_;
    std::ofstream file(PathFromUtf8(temporary_), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        return cannotWrite(path_) + " (brak miejsca na dysku albo błąd zapisu)";
    std::error_code error;
    fs::rename(PathFromUtf8(temporary_), PathFromUtf8(path_), error);
    if (error)
        return cannotWrite(path_);
    committed_ = true;
    return {};
}

} // namespace targello
