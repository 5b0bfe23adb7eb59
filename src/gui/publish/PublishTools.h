#pragma once

#include "core/publish/PublishSession.h"

#include <QString>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>

namespace targello {

class Keyring;
class PasswordKeeper;
class Platform;
class PublishPrompts;

// What a publish from the window reaches beyond the project: the server,
// the web, the user's trust file and keyring, the trader's answers. The
// program has one set for the whole run (so a password is asked once per
// run); tests make their own.
class PublishTools {
public:
    using OpenConnection = std::function<std::unique_ptr<PublishConnection>(
        const PublishAddress& address, const std::string& password,
        const std::optional<Sha256::Digest>& accepted, std::function<bool()> keepGoing)>;
    // Waits before attempt `attempt` of an operation, ending early once `cancel` is set.
    using Pause = std::function<void(int attempt, const std::atomic<bool>& cancel)>;

    PublishTools(std::unique_ptr<PublishPrompts> prompts, std::unique_ptr<Keyring> keyring,
                 Platform& platform);
    ~PublishTools();

    // libcurl, the system's keyring where the build has one, the user's trust
    // file and a folder of the program's data for the exports it publishes.
    static std::unique_ptr<PublishTools> ForDesktop(Platform& platform);

    PublishPrompts& prompts() { return *prompts_; }
    PasswordKeeper& passwords() { return *passwords_; }

    OpenConnection Open;
    FetchPageFunction Fetch;
    Pause Wait;
    std::filesystem::path TrustFile;
    // The exports made for a publish, one folder per project.
    QString ExportFolder;

private:
    std::unique_ptr<PublishPrompts> prompts_;
    std::unique_ptr<Keyring> keyring_;
    std::unique_ptr<PasswordKeeper> passwords_;
};

} // namespace targello
