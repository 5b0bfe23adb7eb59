#include "core/publish/PublishSession.h"

#include "core/project/Utf8Path.h"
#include "core/publish/PublishLedger.h"
#include "core/publish/TrustStore.h"

#include <fstream>
#include <iterator>

namespace targello {

PublishSession::PublishSession(PublishAddress address, TrustStore& trust, Open open)
    : address_(std::move(address)), trust_(trust), open_(std::move(open)) {}

bool PublishSession::Connect(const std::optional<Sha256::Digest>& accepted, bool makeFolder) {
    const std::optional<Sha256::Digest> known = trust_.Known(address_.Endpoint());
    connection_ = open_(accepted ? accepted : known);
    try {
        connection_->Connect();
    } catch (const RemoteError& error) {
        if (!makeFolder || error.Problem != RemoteProblem::FolderMissing)
            throw;
        connection_->MakeOwnFolder();
        connection_->Connect();
    }
    const std::optional<Sha256::Digest>& seen = connection_->Seen();
    if (!seen || seen == known)
        return true;
    return trust_.Remember(address_.Endpoint(), *seen);
}

PublishResult PublishSession::Send(const std::filesystem::path& page, Publisher::Pause pause,
                                   const Publisher::Progress& progress) {
    PublishResult result;
    const std::string pageName = Utf8FromPath(page.filename());
    const std::optional<PublishLedger> local =
        PublishLedger::OfExport(page.parent_path(), pageName, result.ExportProblem);
    if (!local) {
        result.Outcome.Error = RemoteError(RemoteProblem::Other, "", result.ExportProblem);
        return result;
    }
    Publisher publisher(*connection_, std::move(pause));
    result.Outcome = publisher.Publish(page.parent_path(), *local, pageName, progress);
    return result;
}

std::string PublishedPageName(const std::string& publicAddress) {
    std::string path = publicAddress.substr(0, publicAddress.find_first_of("?#"));
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const bool plain =
        !name.empty() && name.front() != '.' &&
        name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-") ==
            std::string::npos;
    const bool page = name.ends_with(".html") || name.ends_with(".htm");
    return plain && page && publicAddress.find("://") != std::string::npos ? name : "sklep.html";
}

std::string PublishedPageUrl(const std::string& publicAddress, const std::string& pageName) {
    // A query or fragment after the page's name still names that page.
    const std::string path = publicAddress.substr(0, publicAddress.find_first_of("?#"));
    if (path.ends_with(".html") || path.ends_with(".htm"))
        return publicAddress;
    return path + (path.ends_with("/") ? "" : "/") + pageName;
}

PageCheckResult CheckPublishedPage(const std::string& publicAddress, const std::filesystem::path& page,
                                   const FetchPageFunction& fetch) {
    PageCheckResult result;
    result.Url = PublishedPageUrl(publicAddress, Utf8FromPath(page.filename()));
    const std::optional<std::string> served = fetch(result.Url, result.Problem);
    std::ifstream in(page, std::ios::binary);
    const std::string sent{std::istreambuf_iterator<char>(in), {}};
    if (!served)
        result.Result = PageCheckResult::Kind::Unchecked;
    else if (*served != sent)
        result.Result = PageCheckResult::Kind::Different;
    else
        result.Result = PageCheckResult::Kind::Online;
    return result;
}

} // namespace targello
