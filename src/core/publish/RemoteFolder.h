#pragma once

#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace targello {

// Why an operation on the server failed, in the words the trader is told.
enum class RemoteProblem {
    HostNotFound,
    Refused,
    TimedOut,
    LoginDenied,
    NoPermission,
    NoSpace,
    Closed,
    CertificateUnknown, // not vouched for by the system and not accepted yet
    CertificateChanged,
    KeyUnknown,
    KeyChanged,
    FolderMissing,
    Cancelled,
    SizeMismatch,
    Other,
};

class RemoteError : public std::exception {
public:
    RemoteError(RemoteProblem problem, std::string file = {}, std::string detail = {})
        : Problem(problem), File(std::move(file)), Detail(std::move(detail)) {}
    const char* what() const noexcept override { return Detail.c_str(); }

    RemoteProblem Problem;
    std::string File;        // the remote name involved, where one is
    std::string Detail;      // the server's or library's own words
    std::string Fingerprint; // of an unknown or changed certificate or key, as shown
};

// Whether trying again after a pause may help.
bool IsPassing(RemoteProblem problem);

struct RemoteEntry {
    std::string Name;
    std::uintmax_t Size = 0;
    bool Folder = false;
    bool operator==(const RemoteEntry&) const = default;
};

// What a file to send is: a file of the export, or bytes made in memory.
struct UploadSource {
    std::filesystem::path File;
    std::string Bytes;
    bool FromFile = true;
};

// The remote folder a shop is published to. Names are relative to it, with
// '/' between folders. Every call throws RemoteError on failure.
class RemoteFolder {
public:
    // Called with the bytes of the current file sent so far; false cancels.
    using SentCallback = std::function<bool(std::uintmax_t)>;

    virtual ~RemoteFolder() = default;

    // The content of `name`, or nothing where there is no such file.
    virtual std::optional<std::string> Read(const std::string& name) = 0;
    // The entries of `folder` ("" is the remote folder itself), or nothing
    // where there is no such folder.
    virtual std::optional<std::vector<RemoteEntry>> List(const std::string& folder) = 0;
    // Writes `source` to `name` from byte `offset` on (0: the whole file;
    // more: appended to what is there), making missing folders on the way.
    virtual void Upload(const std::string& name, const UploadSource& source, std::uintmax_t offset,
                        const SentCallback& sent) = 0;
    // Gives `from` the name `to`, replacing a file of that name.
    virtual void Rename(const std::string& from, const std::string& to) = 0;
    // Deletes the file `name`; one already gone is no failure.
    virtual void Remove(const std::string& name) = 0;
    virtual void MakeFolder(const std::string& folder) = 0;
};

// The entries of a directory listing as FTP servers ("ls -l" lines) and
// SFTP servers give it; "." and ".." and links are left out.
std::vector<RemoteEntry> ParseRemoteListing(const std::string& text);

} // namespace targello
