#include "core/publish/PublishAddress.h"

#include <array>
#include <utility>

namespace targello {
namespace {

constexpr std::array<std::pair<const char*, PublishProtocol>, 4> Schemes = {{
    {"ftps", PublishProtocol::FtpsExplicit},
    {"ftpsi", PublishProtocol::FtpsImplicit},
    {"sftp", PublishProtocol::Sftp},
    {"ftp", PublishProtocol::Ftp},
}};

std::string trimSlashes(std::string folder) {
    while (!folder.empty() && folder.front() == '/')
        folder.erase(0, 1);
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return folder;
}

bool isHostText(const std::string& host) {
    return !host.empty() && host.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                   "0123456789.-_") == std::string::npos;
}

} // namespace

int PublishAddress::DefaultPort(PublishProtocol protocol) {
    switch (protocol) {
    case PublishProtocol::FtpsImplicit:
        return 990;
    case PublishProtocol::Sftp:
        return 22;
    default:
        return 21;
    }
}

const char* PublishAddress::Scheme(PublishProtocol protocol) {
    for (const auto& [scheme, value] : Schemes)
        if (value == protocol)
            return scheme;
    return "ftps";
}

std::optional<PublishAddress> PublishAddress::Parse(const std::string& text, std::string& problem) {
    PublishAddress address;
    const std::size_t schemeEnd = text.find("://");
    bool known = false;
    for (const auto& [scheme, value] : Schemes)
        if (schemeEnd != std::string::npos && text.compare(0, schemeEnd, scheme) == 0) {
            address.Protocol = value;
            known = true;
        }
    if (!known) {
        problem =
            "adres publikacji „" + text + "” musi zaczynać się od ftps://, ftpsi://, sftp:// albo ftp://.";
        return std::nullopt;
    }
    const std::string rest = text.substr(schemeEnd + 3);
    const std::size_t slash = rest.find('/');
    const std::string authority = rest.substr(0, slash);
    address.Folder = slash == std::string::npos ? "" : trimSlashes(rest.substr(slash));
    const std::size_t at = authority.rfind('@');
    address.User = at == std::string::npos ? "" : authority.substr(0, at);
    std::string hostPort = at == std::string::npos ? authority : authority.substr(at + 1);
    address.Port = DefaultPort(address.Protocol);
    const std::size_t colon = hostPort.find(':');
    if (colon != std::string::npos) {
        const std::string port = hostPort.substr(colon + 1);
        if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(port) < 1 || std::stoi(port) > 65535) {
            problem = "port w adresie publikacji „" + text + "” musi być liczbą od 1 do 65535.";
            return std::nullopt;
        }
        address.Port = std::stoi(port);
        hostPort.erase(colon);
    }
    address.Host = hostPort;
    if (address.User.empty() || address.User.find(':') != std::string::npos || !isHostText(address.Host)) {
        problem = "adres publikacji „" + text + "” musi mieć postać protokół://użytkownik@serwer/folder" +
                  " (bez hasła).";
        return std::nullopt;
    }
    return address;
}

std::string PublishAddress::Text() const {
    std::string text = std::string(Scheme(Protocol)) + "://" + User + "@" + Host;
    if (Port != DefaultPort(Protocol))
        text += ":" + std::to_string(Port);
    return text + "/" + Folder;
}

std::string PublishAddress::Endpoint() const {
    return Host + ":" + std::to_string(Port);
}

} // namespace targello
