#pragma once

#include <optional>
#include <string>

namespace targello {

// The bytes the web serves at `url` (http or https, the system's
// certificates), or nothing with the reason in `problem`.
std::optional<std::string> FetchPage(const std::string& url, std::string& problem);

} // namespace targello
