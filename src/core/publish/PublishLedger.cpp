#include "core/publish/PublishLedger.h"

#include "core/project/Utf8Path.h"
#include "core/publish/Sha256.h"

#include <sstream>

namespace targello {
namespace {

namespace fs = std::filesystem;

constexpr const char* Header = "targello-publikacja 1";

// A name may not climb out of the remote folder nor hide a line break.
bool isSafeName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.find_first_of("\r\n\\") != std::string::npos)
        return false;
    std::istringstream parts(name);
    for (std::string part; std::getline(parts, part, '/');)
        if (part.empty() || part == "." || part == "..")
            return false;
    return name.back() != '/';
}

bool isHex64(const std::string& text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

bool addFile(const fs::path& file, const std::string& name, PublishLedger& ledger, std::string& problem) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    const std::optional<Sha256::Digest> digest = error ? std::nullopt : Sha256::OfFile(file);
    if (!digest) {
        problem = "nie można odczytać pliku „" + Utf8FromPath(file) + "”.";
        return false;
    }
    ledger.Add(name, {size, Sha256::Hex(*digest)});
    return true;
}

} // namespace

std::optional<PublishLedger> PublishLedger::Parse(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != Header)
        return std::nullopt;
    PublishLedger ledger;
    while (std::getline(in, line)) {
        if (line.starts_with("tmp ") && isSafeName(line.substr(4))) {
            ledger.temporaries_.insert(line.substr(4));
            continue;
        }
        const std::size_t space1 = line.find(' ');
        const std::size_t space2 = space1 == std::string::npos ? space1 : line.find(' ', space1 + 1);
        if (space2 == std::string::npos)
            return std::nullopt;
        Entry entry;
        entry.Sha256 = line.substr(0, space1);
        const std::string size = line.substr(space1 + 1, space2 - space1 - 1);
        const std::string name = line.substr(space2 + 1);
        if (!isHex64(entry.Sha256) || size.empty() || size.size() > 18 ||
            size.find_first_not_of("0123456789") != std::string::npos || !isSafeName(name))
            return std::nullopt;
        entry.Size = std::stoull(size);
        ledger.files_[name] = entry;
    }
    return ledger;
}

std::string PublishLedger::Bytes() const {
    std::string bytes = std::string(Header) + "\n";
    for (const auto& [name, entry] : files_)
        bytes += entry.Sha256 + " " + std::to_string(entry.Size) + " " + name + "\n";
    for (const std::string& name : temporaries_)
        bytes += "tmp " + name + "\n";
    return bytes;
}

std::optional<PublishLedger> PublishLedger::OfExport(const fs::path& folder, const std::string& page,
                                                     std::string& problem) {
    PublishLedger ledger;
    if (!addFile(folder / PathFromUtf8(page), page, ledger, problem))
        return std::nullopt;
    const fs::path pictures = folder / PathFromUtf8(page).stem();
    std::error_code error;
    if (!fs::is_directory(pictures, error))
        return ledger;
    for (auto it = fs::recursive_directory_iterator(pictures, error); !error && it != fs::end(it);
         it.increment(error)) {
        // The export's own notes (which copies it wrote) stay on the trader's disk.
        if (!it->is_regular_file(error) || Utf8FromPath(it->path().filename()).starts_with(".targello-"))
            continue;
        const std::u8string relative = it->path().lexically_relative(folder).generic_u8string();
        const std::string name(relative.begin(), relative.end());
        if (isSafeName(name) && !addFile(it->path(), name, ledger, problem))
            return std::nullopt;
    }
    if (error) {
        problem = "nie można odczytać folderu „" + Utf8FromPath(pictures) + "”.";
        return std::nullopt;
    }
    return ledger;
}

const PublishLedger::Entry* PublishLedger::Find(const std::string& name) const {
    const auto found = files_.find(name);
    return found == files_.end() ? nullptr : &found->second;
}

} // namespace targello
