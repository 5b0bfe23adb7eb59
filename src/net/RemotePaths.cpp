#include "net/RemotePaths.h"

#include <algorithm>

namespace targello {

std::string EscapedRemotePath(CURL* curl, const std::string& path) {
    std::string url;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        char* part = curl_easy_escape(curl, path.data() + start, static_cast<int>(slash - start));
        url += part;
        curl_free(part);
        if (slash < path.size())
            url += '/';
        start = slash + 1;
    }
    return url;
}

std::string QuotedRemoteArgument(const std::string& path) {
    std::string text = "\"";
    for (const char c : path) {
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

std::string RemoteFolderOf(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? "" : name.substr(0, slash);
}

std::string RemoteBaseOf(const std::string& name) {
    return name.substr(name.rfind('/') + 1);
}

} // namespace targello
