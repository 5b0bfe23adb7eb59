#pragma once

#include <optional>
#include <string>

namespace targello {

enum class PublishProtocol { FtpsExplicit, FtpsImplicit, Sftp, Ftp };

// Where a shop is published, as the project keeps it:
// protocol://user@host[:port]/folder with protocol ftps (TLS asked for after
// connecting), ftpsi (TLS from the start), sftp or ftp. The folder is taken
// from the folder the server logs the user into; never a password.
struct PublishAddress {
    PublishProtocol Protocol = PublishProtocol::FtpsExplicit;
    std::string User;
    std::string Host;
    int Port = 21;
    std::string Folder; // without leading or trailing '/'; empty: the login folder

    static int DefaultPort(PublishProtocol protocol);
    static const char* Scheme(PublishProtocol protocol);

    // The address in `text`, or nothing with the reason in Polish in `problem`.
    static std::optional<PublishAddress> Parse(const std::string& text, std::string& problem);
    std::string Text() const;
    // "host:port", as certificates and keys are remembered.
    std::string Endpoint() const;

    bool operator==(const PublishAddress&) const = default;
};

} // namespace targello
