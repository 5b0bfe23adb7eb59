// Times publishing the modern export of 100 photos to a local vsftpd (FTPS)
// and a local sshd (SFTP): the first publish against lftp's "mirror -R" of
// the same folder over the same protocol, a second publish with nothing
// changed, and one with one picture changed.
// Usage: bench_publish EXPORT_DIR WORK_DIR (EXPORT_DIR holds sklep.html and sklep/)
#include "../../tests/publish/TestServer.h"
#include "common/BenchTiming.h"
#include "core/publish/Fingerprint.h"
#include "core/publish/Publisher.h"
#include "net/CurlRemoteFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace targello;
using namespace targello::bench;
using namespace targello::testing;

namespace {

double publishOnce(const TestServer& server, const fs::path& folder, const std::string& remoteFolder) {
    std::string problem;
    const std::optional<PublishLedger> local = PublishLedger::OfExport(folder, "sklep.html", problem);
    PublishOutcome outcome;
    const double ms = Milliseconds([&] {
        std::string text;
        const std::optional<PublishAddress> address =
            PublishAddress::Parse(server.Address(remoteFolder), text);
        CurlRemoteFolder remote(*address, TestPassword, ParseFingerprint(server.Fingerprint()));
        remote.Connect();
        Publisher publisher(remote, [](int) {});
        // The ledger of the export is part of the work: it is what a publish compares.
        const std::optional<PublishLedger> again = PublishLedger::OfExport(folder, "sklep.html", problem);
        outcome = publisher.Publish(folder, *again, "sklep.html", {});
    });
    if (!outcome.Succeeded)
        std::fprintf(stderr, "publish failed: %s\n", outcome.Error->Detail.c_str());
    return ms / 1000;
}

double lftpMirror(const TestServer& server, const fs::path& folder, bool sftp, const fs::path& work) {
    const std::string url = server.Address("lftp");
    const std::string host = url.substr(url.find('@') + 1, url.rfind('/') - url.find('@') - 1);
    const std::string settings =
        sftp ? "set sftp:connect-program 'ssh -a -x -o StrictHostKeyChecking=no -o "
               "UserKnownHostsFile=/dev/null'; "
             : "set ftp:ssl-force true; set ftp:ssl-protect-data true; "
               "set ssl:verify-certificate no; set ssl:priority NORMAL:-VERS-TLS1.3; ";
    const std::string command = "cd '" + work.string() + "' && lftp -u " + TestUser + "," + TestPassword +
                                " -e \"" + settings + "mirror -R --no-perms '" + folder.string() +
                                "' lftp; quit\" " + (sftp ? "sftp://" : "ftp://") + host + " >/dev/null 2>&1";
    int status = 0;
    const double ms = Milliseconds([&] { status = std::system(command.c_str()); });
    if (status != 0)
        std::fprintf(stderr, "lftp failed\n");
    return ms / 1000;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: bench_publish EXPORT_DIR WORK_DIR\n");
        return 2;
    }
    const fs::path exported = fs::absolute(argv[1]);
    const fs::path work = fs::absolute(argv[2]);
    if (!TestServer::MakeUser())
        return 1;
    for (const ServerKind kind : {ServerKind::FtpsExplicit, ServerKind::Sftp}) {
        const char* name = kind == ServerKind::Sftp ? "sftp" : "ftps";
        const fs::path served = work / name / "serwer";
        const fs::path folder = work / name / "eksport";
        fs::remove_all(work / name);
        fs::create_directories(served / "sklep");
        fs::copy(exported, folder, fs::copy_options::recursive);
        std::system(("chmod 755 '" + work.string() + "' '" + (work / name).string() + "' && chown -R " +
                     TestUser + " '" + served.string() + "'")
                        .c_str());
        TestServer server(kind, work / name / "konfiguracja", served);
        if (!server.Start())
            return 1;
        const double lftp = lftpMirror(server, folder, kind == ServerKind::Sftp, work);
        const double first = publishOnce(server, folder, "sklep");
        const double unchanged = publishOnce(server, folder, "sklep");
        fs::path picture;
        for (const auto& entry : fs::directory_iterator(folder / "sklep"))
            if (entry.path().extension() == ".jpg")
                picture = entry.path();
        std::ofstream(picture, std::ios::binary | std::ios::app) << "x";
        const double onePicture = publishOnce(server, folder, "sklep");
        std::printf("%s_lftp_mirror_s %.3f\n%s_first_publish_s %.3f (ratio %.2f, budget 1.2)\n"
                    "%s_unchanged_publish_s %.3f (budget 0.5)\n%s_one_picture_publish_s %.3f (budget 0.5)\n",
                    name, lftp, name, first, first / lftp, name, unchanged, name, onePicture);
        std::fflush(stdout);
        server.Stop();
    }
    return 0;
}
