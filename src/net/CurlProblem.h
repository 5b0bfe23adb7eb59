#pragma once

#include "core/publish/RemoteFolder.h"

namespace targello {

// What a libcurl result code (with the server's last FTP reply) means to the trader.
RemoteProblem ProblemOfCurl(int code, long response, bool sftp);

} // namespace targello
