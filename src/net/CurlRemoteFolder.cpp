#include "net/CurlRemoteFolder.h"

#include "core/publish/Fingerprint.h"
#include "net/CertificateKey.h"
#include "net/CurlProblem.h"
#include "net/RemotePaths.h"
#ifdef _WIN32
#include "net/WindowsRootStore.h"
#endif

#include <cstdlib>
#include <cstring>
#include <curl/curl.h>
#include <fstream>

namespace targello {

struct CurlRemoteFolder::Handle {
    CURL* Curl = curl_easy_init();
    // The connection cache lives here, so every operation reuses the connection.
    CURLM* Multi = curl_multi_init();
    char Error[CURL_ERROR_SIZE] = {};
    std::string Received;
    std::ifstream File;
    std::string_view Bytes;
    const SentCallback* Sent = nullptr;
    const std::function<bool()>* KeepGoing = nullptr;
    const std::optional<Sha256::Digest>* Accepted = nullptr;
    std::optional<Sha256::Digest>* Seen = nullptr;
    curl_slist* Quote = nullptr;

    ~Handle() {
        curl_slist_free_all(Quote);
        curl_multi_cleanup(Multi);
        curl_easy_cleanup(Curl);
    }
};

namespace {

using Handle = CurlRemoteFolder::Handle;

std::size_t receive(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<Handle*>(user)->Received.append(data, size * count);
    return size * count;
}

std::size_t send(char* buffer, std::size_t size, std::size_t count, void* user) {
    Handle& handle = *static_cast<Handle*>(user);
    if (handle.File.is_open()) {
        handle.File.read(buffer, static_cast<std::streamsize>(size * count));
        if (handle.File.bad())
            return CURL_READFUNC_ABORT;
        return static_cast<std::size_t>(handle.File.gcount());
    }
    const std::size_t part = std::min(size * count, handle.Bytes.size());
    std::memcpy(buffer, handle.Bytes.data(), part);
    handle.Bytes.remove_prefix(part);
    return part;
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t sentNow) {
    const Handle& handle = *static_cast<Handle*>(user);
    if (handle.KeepGoing && *handle.KeepGoing && !(*handle.KeepGoing)())
        return 1;
    if (handle.Sent && !(*handle.Sent)(static_cast<std::uintmax_t>(sentNow)))
        return 1;
    return 0;
}

int checkHostKey(void* user, int, const char* key, std::size_t length) {
    const Handle& handle = *static_cast<Handle*>(user);
    *handle.Seen = Sha256::Of(std::string_view(key, length));
    return *handle.Accepted && **handle.Accepted == **handle.Seen ? CURLKHMATCH_OK : CURLKHMATCH_MISMATCH;
}

} // namespace

CurlRemoteFolder::CurlRemoteFolder(PublishAddress address, std::string password,
                                   std::optional<Sha256::Digest> accepted, std::function<bool()> keepGoing)
    : address_(std::move(address)), password_(std::move(password)), accepted_(accepted),
      keepGoing_(std::move(keepGoing)), handle_(std::make_unique<Handle>()) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
    handle_->KeepGoing = &keepGoing_;
    handle_->Accepted = &accepted_;
    handle_->Seen = &seen_;
}

CurlRemoteFolder::~CurlRemoteFolder() = default;

std::string CurlRemoteFolder::Url(const std::string& name, bool folder) const {
    const std::string path = address_.Folder.empty() ? name
                             : name.empty()          ? address_.Folder
                                                     : address_.Folder + "/" + name;
    const char* scheme = address_.Protocol == PublishProtocol::Sftp           ? "sftp://"
                         : address_.Protocol == PublishProtocol::FtpsImplicit ? "ftps://"
                                                                              : "ftp://";
    std::string url = scheme + address_.Host + ":" + std::to_string(address_.Port) + "/";
    if (address_.Protocol == PublishProtocol::Sftp)
        url += "~/";
    url += EscapedRemotePath(handle_->Curl, path);
    if (folder && !path.empty())
        url += '/';
    return url;
}

std::string CurlRemoteFolder::QuotePath(const std::string& name) const {
    return QuotedRemoteArgument(address_.Folder.empty() ? name : address_.Folder + "/" + name);
}

void CurlRemoteFolder::Prepare(const std::string& url, const std::string&) {
    CURL* curl = handle_->Curl;
    curl_easy_reset(curl);
    curl_slist_free_all(handle_->Quote);
    handle_->Quote = nullptr;
    handle_->Received.clear();
    handle_->Sent = nullptr;
    handle_->Error[0] = '\0';
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, handle_->Error);
    curl_easy_setopt(curl, CURLOPT_USERNAME, address_.User.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password_.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
    // What passes between program and server, where someone looks into a failure.
    if (std::getenv("TARGELLO_CURL_VERBOSE"))
        curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    // A connection that carries nothing for half a minute has died.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 30L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, handle_.get());
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, handle_.get());
    curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR_RETRY));
    if (address_.Protocol == PublishProtocol::FtpsExplicit ||
        address_.Protocol == PublishProtocol::FtpsImplicit) {
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
#ifdef _WIN32
        // The certificates Windows trusts are what the system vouches with.
        curl_easy_setopt(curl, CURLOPT_SSL_CTX_FUNCTION, UseWindowsRootChain);
#endif
        if (!pinnedKey_.empty()) {
            // Accepted by its fingerprint: the pinned key stands for the system's word.
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
            curl_easy_setopt(curl, CURLOPT_PINNEDPUBLICKEY, pinnedKey_.c_str());
        }
        // Every data connection resumes the control connection's TLS session,
        // as servers demand (vsftpd by default). Over TLS 1.3 that resumption
        // rides on tickets sent after the handshake, and fails now and then:
        // vsftpd refuses the data connection ("522"), and on Mbed TLS the
        // resumed session brings no certificate to hold to a pin.
        curl_easy_setopt(curl, CURLOPT_SSLVERSION,
                         static_cast<long>(CURL_SSLVERSION_TLSv1_2) |
                             static_cast<long>(CURL_SSLVERSION_MAX_TLSv1_2));
    }
    if (address_.Protocol == PublishProtocol::Sftp) {
        curl_easy_setopt(curl, CURLOPT_SSH_AUTH_TYPES,
                         static_cast<long>(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYFUNCTION, checkHostKey);
        curl_easy_setopt(curl, CURLOPT_SSH_HOSTKEYDATA, handle_.get());
    }
}

int CurlRemoteFolder::Perform(const std::string&) {
    // libcurl 7.88 now and then misses the moment an FTP data connection is
    // ready and waits a whole second for it, and an SFTP request's answer for
    // a while; waking it every millisecond keeps a publish of hundreds of
    // files from waiting minutes.
    CURLcode code = CURLE_OK;
    curl_multi_add_handle(handle_->Multi, handle_->Curl);
    for (int running = 1; running;) {
        if (curl_multi_perform(handle_->Multi, &running) != CURLM_OK)
            break;
        if (running)
            curl_multi_poll(handle_->Multi, nullptr, 0, 1, nullptr);
    }
    int queued = 0;
    while (const CURLMsg* message = curl_multi_info_read(handle_->Multi, &queued))
        if (message->msg == CURLMSG_DONE)
            code = message->data.result;
    curl_multi_remove_handle(handle_->Multi, handle_->Curl);
    handle_->File.close();
    handle_->Sent = nullptr;
    return static_cast<int>(code);
}

void CurlRemoteFolder::Fail(int code, const std::string& file) {
    long response = 0;
    curl_easy_getinfo(handle_->Curl, CURLINFO_RESPONSE_CODE, &response);
    RemoteError error(ProblemOfCurl(code, response, address_.Protocol == PublishProtocol::Sftp), file,
                      handle_->Error[0] ? handle_->Error : curl_easy_strerror(static_cast<CURLcode>(code)));
    if (error.Problem == RemoteProblem::KeyUnknown && accepted_)
        error.Problem = RemoteProblem::KeyChanged;
    if (error.Problem == RemoteProblem::KeyUnknown || error.Problem == RemoteProblem::KeyChanged)
        error.Fingerprint = seen_ ? KeyFingerprintText(*seen_) : "";
    if (error.Problem == RemoteProblem::CertificateChanged)
        error.Fingerprint = seen_ ? CertificateFingerprintText(*seen_) : "";
    throw error;
}

// Learns the certificate of a server the system does not vouch for, without
// the password: the probe logs in as nobody in particular.
void CurlRemoteFolder::ProbeCertificate() {
    Prepare(Url("", true), "");
    CURL* curl = handle_->Curl;
    curl_easy_setopt(curl, CURLOPT_USERNAME, "anonymous");
    curl_easy_setopt(curl, CURLOPT_PASSWORD, "");
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(curl, CURLOPT_CERTINFO, 1L);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    const int code = Perform("");
    curl_certinfo* chain = nullptr;
    curl_easy_getinfo(curl, CURLINFO_CERTINFO, &chain);
    std::optional<std::string> der;
    for (curl_slist* item = chain && chain->num_of_certs > 0 ? chain->certinfo[0] : nullptr; item && !der;
         item = item->next)
        if (std::strncmp(item->data, "Cert:", 5) == 0)
            der = CertificateFromPem(item->data + 5);
    const std::optional<std::string> key = der ? PublicKeyOfCertificate(*der) : std::nullopt;
    if (!key)
        Fail(code == CURLE_OK ? CURLE_PEER_FAILED_VERIFICATION : code, "");
    seen_ = Sha256::Of(*der);
    if (!accepted_ || *accepted_ != *seen_) {
        RemoteError error(accepted_ ? RemoteProblem::CertificateChanged : RemoteProblem::CertificateUnknown);
        error.Fingerprint = CertificateFingerprintText(*seen_);
        throw error;
    }
    const Sha256::Digest pin = Sha256::Of(*key);
    pinnedKey_ =
        "sha256//" + Base64Encode(std::string_view(reinterpret_cast<const char*>(pin.data()), pin.size()));
}

void CurlRemoteFolder::Connect() {
    const bool tls = address_.Protocol == PublishProtocol::FtpsExplicit ||
                     address_.Protocol == PublishProtocol::FtpsImplicit;
    // A server accepted by its certificate's fingerprint is probed first, saving a
    // connection; a different certificate may still be one the system now vouches for.
    std::optional<RemoteError> changed;
    if (tls && accepted_) {
        try {
            ProbeCertificate();
        } catch (const RemoteError& error) {
            if (error.Problem != RemoteProblem::CertificateChanged)
                throw;
            changed = error;
        }
    }
    for (int round = 0; round < 2; ++round) {
        Prepare(Url("", true), "");
        // SFTP looks a folder up only to list it.
        if (address_.Protocol != PublishProtocol::Sftp)
            curl_easy_setopt(handle_->Curl, CURLOPT_NOBODY, 1L);
        // A folder mistyped is told, not made: the shop would go where no
        // visitor looks.
        curl_easy_setopt(handle_->Curl, CURLOPT_FTP_CREATE_MISSING_DIRS,
                         static_cast<long>(CURLFTP_CREATE_DIR_NONE));
        const int code = Perform("");
        if (code == CURLE_OK)
            return;
        if (code == CURLE_PEER_FAILED_VERIFICATION && changed)
            throw *changed;
        if (round == 0 && tls && pinnedKey_.empty() && code == CURLE_PEER_FAILED_VERIFICATION) {
            ProbeCertificate();
            continue;
        }
        if (code == CURLE_REMOTE_ACCESS_DENIED || code == CURLE_REMOTE_FILE_NOT_FOUND)
            throw RemoteError(RemoteProblem::FolderMissing, address_.Folder);
        Fail(code, "");
    }
}

std::optional<std::string> CurlRemoteFolder::Read(const std::string& name) {
    Prepare(Url(name, false), name);
    const int code = Perform(name);
    if (code == CURLE_REMOTE_FILE_NOT_FOUND)
        return std::nullopt;
    if (code == CURLE_REMOTE_ACCESS_DENIED && address_.Protocol != PublishProtocol::Sftp)
        throw RemoteError(RemoteProblem::FolderMissing, address_.Folder);
    if (code != CURLE_OK)
        Fail(code, name);
    return std::move(handle_->Received);
}

std::optional<std::vector<RemoteEntry>> CurlRemoteFolder::List(const std::string& folder) {
    Prepare(Url(folder, true), folder);
    // Plain LIST leaves out the names that begin with a dot, as ours do.
    if (address_.Protocol != PublishProtocol::Sftp)
        curl_easy_setopt(handle_->Curl, CURLOPT_CUSTOMREQUEST, "LIST -a");
    const int code = Perform(folder);
    if (code == CURLE_REMOTE_FILE_NOT_FOUND || code == CURLE_REMOTE_ACCESS_DENIED)
        return std::nullopt;
    if (code != CURLE_OK)
        Fail(code, folder);
    return ParseRemoteListing(handle_->Received);
}

void CurlRemoteFolder::Upload(const std::string& name, const UploadSource& source, std::uintmax_t offset,
                              const SentCallback& sent) {
    Prepare(Url(name, false), name);
    std::uintmax_t size = source.Bytes.size();
    if (source.FromFile) {
        handle_->File.open(source.File, std::ios::binary);
        handle_->File.seekg(0, std::ios::end);
        size = static_cast<std::uintmax_t>(handle_->File.tellg());
        handle_->File.seekg(static_cast<std::streamoff>(offset));
        if (!handle_->File)
            throw RemoteError(RemoteProblem::Other, name, "nie można odczytać pliku z dysku");
    } else {
        handle_->Bytes =
            std::string_view(source.Bytes).substr(std::min<std::size_t>(offset, source.Bytes.size()));
    }
    CURL* curl = handle_->Curl;
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, send);
    curl_easy_setopt(curl, CURLOPT_READDATA, handle_.get());
    // Large writes: SFTP sends each buffer as its own requests.
    curl_easy_setopt(curl, CURLOPT_UPLOAD_BUFFERSIZE, 512L * 1024);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size - offset));
    if (offset > 0)
        curl_easy_setopt(curl, CURLOPT_APPEND, 1L);
    handle_->Sent = &sent;
    const int code = Perform(name);
    if (code != CURLE_OK)
        Fail(code, name);
}

void CurlRemoteFolder::Quote(const std::string& folder, const std::vector<std::string>& commands,
                             const std::string& file) {
    Prepare(Url(folder, true), file);
    for (const std::string& command : commands)
        handle_->Quote = curl_slist_append(handle_->Quote, command.c_str());
    curl_easy_setopt(handle_->Curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(handle_->Curl, CURLOPT_POSTQUOTE, handle_->Quote);
    const int code = Perform(file);
    if (code != CURLE_OK)
        Fail(code, file);
}

void CurlRemoteFolder::Rename(const std::string& from, const std::string& to) {
    if (address_.Protocol == PublishProtocol::Sftp) {
        // SFTP renames onto no existing file; the old one goes first ("*": it may be missing).
        Quote("", {"*rm " + QuotePath(to), "rename " + QuotePath(from) + " " + QuotePath(to)}, to);
        return;
    }
    // FTP renames in the folder the transfer moved into, which holds both names.
    Quote(RemoteFolderOf(from), {"RNFR " + RemoteBaseOf(from), "RNTO " + RemoteBaseOf(to)}, to);
}

void CurlRemoteFolder::Remove(const std::string& name) {
    if (address_.Protocol == PublishProtocol::Sftp)
        Quote("", {"*rm " + QuotePath(name)}, name);
    else
        Quote(RemoteFolderOf(name), {"*DELE " + RemoteBaseOf(name)}, name);
}

void CurlRemoteFolder::MakeOwnFolder() {
    if (address_.Folder.empty())
        return; // the home folder is there
    if (address_.Protocol == PublishProtocol::Sftp) {
        // Each level in turn, from the home folder down ("*": it may be there).
        std::vector<std::string> commands;
        for (std::size_t slash = 0; slash != std::string::npos;) {
            slash = address_.Folder.find('/', slash + 1);
            commands.push_back("*mkdir " + QuotedRemoteArgument(address_.Folder.substr(0, slash)));
        }
        const std::string folderUrl = Url("", true);
        Prepare(folderUrl.substr(0, folderUrl.find("~/") + 2), address_.Folder);
        for (const std::string& command : commands)
            handle_->Quote = curl_slist_append(handle_->Quote, command.c_str());
        curl_easy_setopt(handle_->Curl, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(handle_->Curl, CURLOPT_POSTQUOTE, handle_->Quote);
        if (const int code = Perform(address_.Folder); code != CURLE_OK)
            Fail(code, address_.Folder);
        return;
    }
    MakeFolder("");
}

void CurlRemoteFolder::MakeFolder(const std::string& folder) {
    if (address_.Protocol == PublishProtocol::Sftp) {
        Quote("", {"*mkdir " + QuotePath(folder)}, folder);
        return;
    }
    // The transfer's own move into the folder makes what is missing.
    Prepare(Url(folder, true), folder);
    curl_easy_setopt(handle_->Curl, CURLOPT_NOBODY, 1L);
    const int code = Perform(folder);
    if (code != CURLE_OK)
        Fail(code, folder);
}

} // namespace targello
