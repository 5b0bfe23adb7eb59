#pragma once

#include <curl/curl.h>
#include <string>

namespace targello {

// How the remote folder's names ('/' between folders) are written where
// libcurl takes them: in a URL, each part percent-encoded; in a quote
// command, as one quoted argument.
std::string EscapedRemotePath(CURL* curl, const std::string& path);
std::string QuotedRemoteArgument(const std::string& path);

// The folder part and the file part of a remote name.
std::string RemoteFolderOf(const std::string& name);
std::string RemoteBaseOf(const std::string& name);

} // namespace targello
