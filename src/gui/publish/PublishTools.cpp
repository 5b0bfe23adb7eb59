#include "gui/publish/PublishTools.h"

#include "core/publish/TrustStore.h"
#include "gui/publish/Keyring.h"
#include "gui/publish/PasswordKeeper.h"
#include "gui/publish/PublishPrompts.h"
#include "gui/publish/QtPublishPrompts.h"
#include "net/CurlRemoteFolder.h"
#include "net/PageCheck.h"

#ifdef _WIN32
#include "gui/publish/WindowsKeyring.h"
#elif defined(TARGELLO_HAS_KEYRING)
#include "gui/publish/QtKeyring.h"
#endif

#include <QStandardPaths>
#include <chrono>
#include <thread>

namespace targello {

PublishTools::PublishTools(std::unique_ptr<PublishPrompts> prompts, std::unique_ptr<Keyring> keyring,
                           Platform& platform)
    : prompts_(std::move(prompts)), keyring_(std::move(keyring)),
      passwords_(std::make_unique<PasswordKeeper>(*prompts_, *keyring_, platform)) {}

PublishTools::~PublishTools() = default;

std::unique_ptr<PublishTools> PublishTools::ForDesktop(Platform& platform) {
#ifdef _WIN32
    auto keyring = std::make_unique<WindowsKeyring>();
#elif defined(TARGELLO_HAS_KEYRING)
    auto keyring = std::make_unique<QtKeyring>();
#else
    auto keyring = std::make_unique<NoKeyring>();
#endif
    auto tools = std::make_unique<PublishTools>(std::make_unique<QtPublishPrompts>(platform),
                                                std::move(keyring), platform);
    tools->Open = [](const PublishAddress& address, const std::string& password,
                     const std::optional<Sha256::Digest>& accepted, std::function<bool()> keepGoing) {
        return std::make_unique<CurlRemoteFolder>(address, password, accepted, std::move(keepGoing));
    };
    tools->Fetch = FetchPage;
    // Short steps, so that "Anuluj" during a pause is heard within a second.
    tools->Wait = [](int attempt, const std::atomic<bool>& cancel) {
        const auto end =
            std::chrono::steady_clock::now() + std::chrono::seconds(PublishPauseSeconds(attempt));
        while (!cancel && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    };
    tools->TrustFile = TrustStore::DefaultFile();
    tools->ExportFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                          QStringLiteral("/publikacja");
    return tools;
}

} // namespace targello
