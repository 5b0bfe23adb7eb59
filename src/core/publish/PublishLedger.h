#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace targello {

// What a publish sent: the name (relative to the remote folder, '/' between
// folders), size and SHA-256 of every file, and the temporary files a publish
// that did not finish may have left. Kept on the server beside the page, so
// that the next publish sends only what changed and deletes only what a
// publish sent; built from the export's folder the same way to compare.
class PublishLedger {
public:
    static constexpr const char* FileName = ".targello-publikacja";

    struct Entry {
        std::uintmax_t Size = 0;
        std::string Sha256; // lower-case hex
        bool operator==(const Entry&) const = default;
    };

    // The ledger in `text`; nothing where it is not one (a damaged ledger
    // reads as none: then nothing on the server counts as sent by us).
    static std::optional<PublishLedger> Parse(const std::string& text);
    std::string Bytes() const;

    // The page `page` in `folder` and every file of its picture folder (the
    // page's name without its extension). Nothing where a file cannot be read;
    // `problem` then names it.
    static std::optional<PublishLedger> OfExport(const std::filesystem::path& folder, const std::string& page,
                                                 std::string& problem);

    const std::map<std::string, Entry>& Files() const { return files_; }
    const std::set<std::string>& Temporaries() const { return temporaries_; }
    const Entry* Find(const std::string& name) const;

    void Add(const std::string& name, Entry entry) { files_[name] = std::move(entry); }
    void Remove(const std::string& name) { files_.erase(name); }
    void AddTemporary(const std::string& name) { temporaries_.insert(name); }
    void ClearTemporaries() { temporaries_.clear(); }

private:
    std::map<std::string, Entry> files_;
    std::set<std::string> temporaries_;
};

} // namespace targello
