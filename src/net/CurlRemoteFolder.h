#pragma once

#include "core/publish/PublishAddress.h"
#include "core/publish/PublishSession.h"
#include "core/publish/RemoteFolder.h"
#include "core/publish/Sha256.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace targello {

// The remote folder on an FTP, FTPS or SFTP server, through libcurl: one
// handle, and so one connection, for the whole publish. The server's
// certificate or host key is checked before the password is sent: a
// certificate the system vouches for passes; any other certificate, and any
// host key, passes only with the fingerprint the user accepted.
class CurlRemoteFolder : public PublishConnection {
public:
    // `keepGoing` is asked at least once a second during every operation;
    // false stops it (RemoteProblem::Cancelled).
    CurlRemoteFolder(PublishAddress address, std::string password, std::optional<Sha256::Digest> accepted,
                     std::function<bool()> keepGoing = {});
    ~CurlRemoteFolder() override;

    void Connect() override;
    void MakeOwnFolder() override;
    const std::optional<Sha256::Digest>& Seen() const override { return seen_; }

    std::optional<std::string> Read(const std::string& name) override;
    std::optional<std::vector<RemoteEntry>> List(const std::string& folder) override;
    void Upload(const std::string& name, const UploadSource& source, std::uintmax_t offset,
                const SentCallback& sent) override;
    void Rename(const std::string& from, const std::string& to) override;
    void Remove(const std::string& name) override;
    void MakeFolder(const std::string& folder) override;

    struct Handle;

private:
    std::string Url(const std::string& name, bool folder) const;
    std::string QuotePath(const std::string& name) const;
    void Prepare(const std::string& url, const std::string& file);
    int Perform(const std::string& file);
    [[noreturn]] void Fail(int code, const std::string& file);
    void ProbeCertificate();
    void Quote(const std::string& folder, const std::vector<std::string>& commands, const std::string& file);

    PublishAddress address_;
    std::string password_;
    std::optional<Sha256::Digest> accepted_;
    std::optional<Sha256::Digest> seen_;
    std::string pinnedKey_; // "sha256//..." once a certificate is accepted by its fingerprint
    std::function<bool()> keepGoing_;
    std::unique_ptr<Handle> handle_;
};

} // namespace targello
