#pragma once

#include "core/publish/RemoteFolder.h"

#include <string>

namespace targello {

// What the trader is told of `error` on the server `host`: the reason in
// Polish, the file where one is involved, and what may be done.
std::string PublishErrorText(const RemoteError& error, const std::string& host);

} // namespace targello
