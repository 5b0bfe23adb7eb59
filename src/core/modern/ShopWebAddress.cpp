#include "core/modern/ShopWebAddress.h"

#include "core/generator/HtmlText.h"

#include <algorithm>

namespace targello {
namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Blanks, quotes, angle brackets and non-ASCII bytes percent-encoded, so the
// address can stand in any attribute, XML text or robots.txt line.
std::string urlSafe(std::string_view address) {
    static constexpr const char* Hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '\\') {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

// The length of "https://host", or 0 when `address` does not begin so.
std::size_t originLength(std::string_view address) {
    const std::string scheme = lowered(address.substr(0, 8));
    const std::size_t start = scheme.rfind("https://", 0) == 0 ? 8 : scheme.rfind("http://", 0) == 0 ? 7 : 0;
    if (start == 0)
        return 0;
    const std::size_t end = std::min(address.find_first_of("/?#", start), address.size());
    const std::string_view host = address.substr(start, end - start);
    if (host.empty() || host.find_first_of(" \t\"'<>\\@") != std::string_view::npos)
        return 0;
    return end;
}

} // namespace

std::string ShopWebAddress::Resolve(std::string_view relative) const {
    return Folder + urlSafe(relative);
}

std::optional<ShopWebAddress> ShopWebAddressOf(std::string_view address, std::string_view pageFileName) {
    address = trimmed(address);
    const std::size_t origin = originLength(address);
    if (origin == 0 || address.find_first_of(" \t\r\n") != std::string_view::npos)
        return std::nullopt;
    std::string path(address.substr(origin, address.find_first_of("?#", origin) - origin));
    if (path.empty())
        path = "/";
    const std::string base = urlSafe(address.substr(0, origin));
    const std::size_t slash = path.rfind('/');
    ShopWebAddress web;
    if (path.find('.', slash) != std::string::npos) {
        web.Folder = base + urlSafe(path.substr(0, slash + 1));
        web.Page = base + urlSafe(path);
        return web;
    }
    if (path.back() != '/')
        path += '/';
    web.Folder = base + urlSafe(path);
    const std::string file = lowered(pageFileName);
    web.Page =
        file == "index.html" || file == "index.htm" ? web.Folder : web.Resolve(AddressStepText(pageFileName));
    return web;
}

} // namespace targello
