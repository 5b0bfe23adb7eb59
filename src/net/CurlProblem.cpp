#include "net/CurlProblem.h"

#include <curl/curl.h>

namespace targello {

RemoteProblem ProblemOfCurl(int code, long response, bool sftp) {
    switch (static_cast<CURLcode>(code)) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return RemoteProblem::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return RemoteProblem::Refused;
    case CURLE_OPERATION_TIMEDOUT:
        return RemoteProblem::TimedOut;
    case CURLE_LOGIN_DENIED:
        return RemoteProblem::LoginDenied;
    case CURLE_REMOTE_DISK_FULL:
        return RemoteProblem::NoSpace;
    case CURLE_ABORTED_BY_CALLBACK:
        return RemoteProblem::Cancelled;
    case CURLE_PEER_FAILED_VERIFICATION:
        return sftp ? RemoteProblem::KeyUnknown : RemoteProblem::CertificateUnknown;
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        return RemoteProblem::CertificateChanged;
    case CURLE_REMOTE_ACCESS_DENIED:
        return RemoteProblem::NoPermission;
    case CURLE_UPLOAD_FAILED:
    case CURLE_QUOTE_ERROR:
        // 452 and 552: no room; vsftpd and others say 451 when a write fails for it.
        if (response == 451 || response == 452 || response == 552)
            return RemoteProblem::NoSpace;
        if (response == 550 || response == 553 || response == 532 || response == 450)
            return RemoteProblem::NoPermission;
        return sftp ? RemoteProblem::NoPermission : RemoteProblem::Other;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_SSH:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_SSL_CONNECT_ERROR:
        return RemoteProblem::Closed;
    default:
        return RemoteProblem::Other;
    }
}

} // namespace targello
