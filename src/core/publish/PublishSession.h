#pragma once

#include "core/publish/PublishAddress.h"
#include "core/publish/Publisher.h"
#include "core/publish/RemoteFolder.h"
#include "core/publish/Sha256.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace targello {

class TrustStore;

// A remote folder reached over a connection whose server proves who it is by
// a certificate or host key.
class PublishConnection : public RemoteFolder {
public:
    // Connects and checks the server's identity; throws RemoteError, with the
    // fingerprint of an unknown or changed certificate or key.
    virtual void Connect() = 0;
    // Makes the remote folder, and those above it, where missing: after a
    // Connect that found no such folder, which is then tried again.
    virtual void MakeOwnFolder() = 0;
    // The fingerprint the server showed, where it was checked by fingerprint.
    virtual const std::optional<Sha256::Digest>& Seen() const = 0;
};

struct PublishResult {
    PublishOutcome Outcome;
    // Set where the export itself could not be read (nothing was sent).
    std::string ExportProblem;
};

// What every program does between "the export is written" and "the shop is
// on the server", the same way: connect trusting what the user accepted,
// remember what was accepted, then send the export.
class PublishSession {
public:
    // Makes the connection, trusting a server that shows `accepted`.
    using Open =
        std::function<std::unique_ptr<PublishConnection>(const std::optional<Sha256::Digest>& accepted)>;

    PublishSession(PublishAddress address, TrustStore& trust, Open open);

    // Connects trusting `accepted` or, without it, what the store remembers
    // for this server; throws RemoteError. A fingerprint the server passed
    // with is remembered; false where the store could not be written. With
    // `makeFolder`, a remote folder that does not exist is made.
    bool Connect(const std::optional<Sha256::Digest>& accepted = {}, bool makeFolder = false);

    // Sends the export `page` (its picture folder beside it).
    PublishResult Send(const std::filesystem::path& page, Publisher::Pause pause,
                       const Publisher::Progress& progress);

    const PublishAddress& Address() const { return address_; }

private:
    PublishAddress address_;
    TrustStore& trust_;
    Open open_;
    std::unique_ptr<PublishConnection> connection_;
};

// What the public address shows after a publish.
struct PageCheckResult {
    enum class Kind { Online, Unchecked, Different };
    Kind Result = Kind::Unchecked;
    std::string Url;     // where the page was looked for
    std::string Problem; // why it could not be looked at
};

// The bytes the web serves at a URL, or nothing with the reason in `problem`.
using FetchPageFunction =
    std::function<std::optional<std::string>(const std::string& url, std::string& problem)>;

// The page's file name on the server: the one `publicAddress` names, where
// it names a page of a plain ASCII name, else "sklep.html" (never
// "index.html", which may be a page of the trader's own site).
std::string PublishedPageName(const std::string& publicAddress);

// The page's own address: `publicAddress` where it names a page, else the
// page's file name in that folder.
std::string PublishedPageUrl(const std::string& publicAddress, const std::string& pageName);

// Whether `publicAddress` serves exactly the page just sent.
PageCheckResult CheckPublishedPage(const std::string& publicAddress, const std::filesystem::path& page,
                                   const FetchPageFunction& fetch);

} // namespace targello
