#pragma once

// A server in memory behind the window's publish, the trader's answers from
// a script, and a keyring that remembers in memory.
#include "../../core/publish/FakeRemoteFolder.h"
#include "core/publish/Fingerprint.h"
#include "core/publish/PublishSession.h"
#include "core/settings/ShopSettings.h"
#include "gui/publish/Keyring.h"
#include "gui/publish/PublishPrompts.h"

#include <QStringList>
#include <chrono>
#include <thread>

namespace targello::testing {

struct FakeServer {
    FakeRemoteFolder Folder;
    Sha256::Digest Key = Sha256::Of("the server's certificate");
    std::string Password = "tajne";
    // Uploads wait until the publish is cancelled, as a slow line would.
    bool Stall = false;
    bool FolderExists = true;
};

class FakeConnection : public PublishConnection {
public:
    FakeConnection(FakeServer& server, std::string password, std::optional<Sha256::Digest> accepted,
                   std::function<bool()> keepGoing)
        : server_(server), password_(std::move(password)), accepted_(accepted),
          keepGoing_(std::move(keepGoing)) {}

    void Connect() override {
        seen_ = server_.Key;
        RemoteError error(accepted_ ? RemoteProblem::CertificateChanged : RemoteProblem::CertificateUnknown);
        error.Fingerprint = CertificateFingerprintText(server_.Key);
        if (accepted_ != server_.Key)
            throw error;
        if (password_ != server_.Password)
            throw RemoteError(RemoteProblem::LoginDenied);
        if (!server_.FolderExists)
            throw RemoteError(RemoteProblem::FolderMissing, "sklep");
    }
    void MakeOwnFolder() override { server_.FolderExists = true; }
    const std::optional<Sha256::Digest>& Seen() const override { return seen_; }

    std::optional<std::string> Read(const std::string& name) override { return server_.Folder.Read(name); }
    std::optional<std::vector<RemoteEntry>> List(const std::string& folder) override {
        return server_.Folder.List(folder);
    }
    void Upload(const std::string& name, const UploadSource& source, std::uintmax_t offset,
                const SentCallback& sent) override {
        while (server_.Stall && keepGoing_())
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (server_.Stall)
            throw RemoteError(RemoteProblem::Cancelled, name);
        server_.Folder.Upload(name, source, offset, sent);
    }
    void Rename(const std::string& from, const std::string& to) override { server_.Folder.Rename(from, to); }
    void Remove(const std::string& name) override { server_.Folder.Remove(name); }
    void MakeFolder(const std::string& folder) override { server_.Folder.MakeFolder(folder); }

private:
    FakeServer& server_;
    std::string password_;
    std::optional<Sha256::Digest> accepted_;
    std::optional<Sha256::Digest> seen_;
    std::function<bool()> keepGoing_;
};

class ScriptedPrompts : public PublishPrompts {
public:
    // What the connection dialog stores; nothing: the trader cancels it.
    std::optional<std::pair<std::string, std::string>> Connection;
    QString Password = QStringLiteral("tajne");
    bool Remember = false;

    int ConnectionDialogs = 0;
    int PasswordQuestions = 0;
    bool RememberOffered = false;
    QStringList Published;

    bool editConnection(QWidget*, ShopSettings& values) override {
        ++ConnectionDialogs;
        if (!Connection)
            return false;
        values.Publication = Connection->first;
        values.PublicAddress = Connection->second;
        return true;
    }
    std::optional<PasswordAnswer> askPassword(QWidget*, const QString&, bool canRemember) override {
        ++PasswordQuestions;
        RememberOffered = canRemember;
        return PasswordAnswer{Password, Remember};
    }
    void showPublished(QWidget*, const QString& text, const QString&) override { Published.append(text); }
};

} // namespace targello::testing
