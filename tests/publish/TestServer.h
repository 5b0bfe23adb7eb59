#pragma once

// FTP, FTPS and SFTP servers on 127.0.0.1 for the publish tests: vsftpd and
// OpenSSH's sshd, each with its own configuration, certificate or host key
// in the test's folder, serving that folder to a test user.
#include <filesystem>
#include <string>

namespace targello::testing {

enum class ServerKind { FtpsExplicit, FtpsImplicit, Ftp, Sftp };

inline constexpr const char* TestUser = "targello-pub";
inline constexpr const char* TestPassword = "Haslo-testowe1";

class TestServer {
public:
    // `work` holds the configuration and keys; `served` is the folder the user logs into.
    TestServer(ServerKind kind, std::filesystem::path work, std::filesystem::path served);
    ~TestServer() { Stop(); }
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    // Starts the server (again) and waits until it answers; false where it did not.
    bool Start();
    // Ends the server and every session it started, at once.
    void Stop();
    // Makes a new certificate or host key, as a changed server would have.
    void NewIdentity();

    // "ftps://targello-pub@127.0.0.1:PORT/FOLDER" and the like.
    std::string Address(const std::string& folder) const;
    // The SHA-256 fingerprint of its certificate or host key, as openssl or ssh-keygen shows it.
    std::string Fingerprint() const;

    // Makes the test user, where it is missing, with the test password.
    static bool MakeUser();

private:
    void WriteConfiguration() const;

    ServerKind kind_;
    std::filesystem::path work_;
    std::filesystem::path served_;
    int port_ = 0;
    int pid_ = -1;
};

} // namespace targello::testing
