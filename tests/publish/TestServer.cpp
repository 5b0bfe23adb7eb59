#include "TestServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace targello::testing {
namespace {

namespace fs = std::filesystem;

int freePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    close(s);
    return ntohs(address.sin_port);
}

bool answers(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(s);
    return ok;
}

std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        pclose(pipe);
    }
    return text;
}

// Every process below `root`, found through their parents.
std::vector<int> descendants(int root) {
    std::vector<int> found{root};
    for (std::size_t at = 0; at < found.size(); ++at)
        for (const auto& entry : fs::directory_iterator("/proc")) {
            const std::string name = entry.path().filename().string();
            if (name.find_first_not_of("0123456789") != std::string::npos)
                continue;
            std::ifstream stat(entry.path() / "stat");
            std::string line;
            std::getline(stat, line);
            const std::size_t close = line.rfind(')');
            if (close == std::string::npos)
                continue;
            char state;
            int parent = 0;
            if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) == 2 && parent == found[at])
                found.push_back(std::stoi(name));
        }
    return found;
}

// ed25519, as OpenSSH makes by default, or the type named in
// TARGELLO_PUBLISH_HOST_KEY ("rsa") for a client without ed25519, as libssh2
// on Mbed TLS is; hosting servers offer an RSA key too.
std::string hostKeyType() {
    const char* named = std::getenv("TARGELLO_PUBLISH_HOST_KEY");
    return named && *named ? named : "ed25519";
}

} // namespace

TestServer::TestServer(ServerKind kind, fs::path work, fs::path served)
    : kind_(kind), work_(std::move(work)), served_(std::move(served)), port_(freePort()) {
    fs::create_directories(work_);
    NewIdentity();
}

bool TestServer::MakeUser() {
    // Test programs run side by side: another may be making the user or writing
    // the password file at the same moment, so a failed attempt is tried again.
    const std::string user = TestUser;
    const std::string make = "id " + user + " >/dev/null 2>&1 || useradd -M -d / -s /bin/bash " + user +
                             " >/dev/null 2>&1; echo '" + user + ":" + TestPassword +
                             "' | chpasswd 2>/dev/null";
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (std::system(make.c_str()) == 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

void TestServer::NewIdentity() {
    const std::string w = work_.string();
    if (kind_ == ServerKind::Sftp)
        std::system(("rm -f " + w + "/hostkey " + w + "/hostkey.pub && ssh-keygen -q -t " + hostKeyType() +
                     " -N '' -f " + w + "/hostkey")
                        .c_str());
    else if (kind_ != ServerKind::Ftp)
        std::system(("openssl req -x509 -newkey rsa:2048 -nodes -keyout " + w + "/key.pem -out " + w +
                     "/cert.pem -days 2 -subj /CN=127.0.0.1 2>/dev/null")
                        .c_str());
}

void TestServer::WriteConfiguration() const {
    std::ofstream config(work_ / "server.conf");
    if (kind_ == ServerKind::Sftp) {
        config << "Port " << port_ << "\nListenAddress 127.0.0.1\nHostKey " << (work_ / "hostkey").string()
               << "\nPidFile " << (work_ / "sshd.pid").string()
               << "\nUsePAM no\nPasswordAuthentication yes\nKbdInteractiveAuthentication no\n"
               << "PermitRootLogin no\nStrictModes no\nAllowUsers " << TestUser
               << "\nSubsystem sftp internal-sftp -d " << served_.string()
               << "\nForceCommand internal-sftp -d " << served_.string() << "\n";
        return;
    }
    config
        << "listen=YES\nlisten_address=127.0.0.1\nlisten_port=" << port_
        << "\nbackground=NO\nanonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\nlocal_root="
        << served_.string() << "\npasv_min_port=" << port_ + 1 << "\npasv_max_port=" << port_ + 40
        << "\nseccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\nuserlist_enable=NO\npam_service_name=vsftpd"
        << "\nxferlog_enable=NO\nlocal_umask=022\n";
    // vsftpd's default stays, as hosting keeps it: each data connection must
    // resume the TLS session of the control connection.
    if (kind_ != ServerKind::Ftp)
        config << "ssl_enable=YES\nrsa_cert_file=" << (work_ / "cert.pem").string()
               << "\nrsa_private_key_file=" << (work_ / "key.pem").string()
               << "\nforce_local_logins_ssl=YES\nforce_local_data_ssl=YES\n"
               << (kind_ == ServerKind::FtpsImplicit ? "implicit_ssl=YES\n" : "");
}

bool TestServer::Start() {
    Stop();
    WriteConfiguration();
    fs::create_directories("/run/sshd");
    const std::string conf = (work_ / "server.conf").string();
    std::vector<std::string> args = kind_ == ServerKind::Sftp
                                        ? std::vector<std::string>{"/usr/sbin/sshd", "-D", "-e", "-f", conf}
                                        : std::vector<std::string>{"/usr/sbin/vsftpd", conf};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 2, (work_ / "server.log").c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (failed)
        return false;
    pid_ = pid;
    for (int i = 0; i < 100; ++i) {
        if (answers(port_))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void TestServer::Stop() {
    if (pid_ <= 0)
        return;
    for (const int pid : descendants(pid_))
        kill(pid, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string TestServer::Address(const std::string& folder) const {
    const char* scheme = kind_ == ServerKind::Sftp           ? "sftp"
                         : kind_ == ServerKind::Ftp          ? "ftp"
                         : kind_ == ServerKind::FtpsImplicit ? "ftpsi"
                                                             : "ftps";
    return std::string(scheme) + "://" + TestUser + "@127.0.0.1:" + std::to_string(port_) + "/" + folder;
}

std::string TestServer::Fingerprint() const {
    if (kind_ == ServerKind::Ftp)
        return {};
    if (kind_ == ServerKind::Sftp) {
        const std::string line = output("ssh-keygen -lf " + (work_ / "hostkey.pub").string());
        const std::size_t start = line.find("SHA256:");
        return line.substr(start, line.find(' ', start) - start);
    }
    const std::string line =
        output("openssl x509 -noout -fingerprint -sha256 -in " + (work_ / "cert.pem").string());
    const std::size_t equals = line.find('=');
    return line.substr(equals + 1, line.find('\n') - equals - 1);
}

} // namespace targello::testing
