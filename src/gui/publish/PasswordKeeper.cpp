#include "gui/publish/PasswordKeeper.h"

#include "gui/platform/Platform.h"
#include "gui/publish/Keyring.h"
#include "gui/publish/PublishPrompts.h"

namespace targello {

PasswordKeeper::PasswordKeeper(PublishPrompts& prompts, Keyring& keyring, Platform& platform)
    : prompts_(prompts), keyring_(keyring), platform_(platform) {}

QString PasswordKeeper::key(const PublishAddress& address) {
    return QString::fromStdString(address.User + "@" + address.Endpoint());
}

std::optional<QString> PasswordKeeper::password(QWidget* owner, const PublishAddress& address) {
    const QString account = key(address);
    if (const auto found = known_.find(account); found != known_.end())
        return *found;
    if (keyring_.present()) {
        // A keyring that does not answer is told only when asked to keep a password.
        const Keyring::Answer stored = keyring_.read(account);
        if (stored.Result == Keyring::Answer::Kind::Found) {
            known_.insert(account, stored.Password);
            return stored.Password;
        }
    }
    const std::optional<PasswordAnswer> typed = prompts_.askPassword(
        owner, QString::fromStdString(address.User + "@" + address.Host), keyring_.present());
    if (!typed)
        return std::nullopt;
    known_.insert(account, typed->Password);
    if (typed->Remember) {
        const Keyring::Answer kept = keyring_.write(account, typed->Password);
        if (kept.Result != Keyring::Answer::Kind::Found)
            platform_.showWarning(owner, QStringLiteral("Targello"),
                                  QStringLiteral("Nie udało się zapamiętać hasła w pęku kluczy systemu (%1). "
                                                 "Program będzie je pamiętał do zamknięcia.")
                                      .arg(kept.Problem));
    }
    return typed->Password;
}

void PasswordKeeper::forget(const PublishAddress& address) {
    const QString account = key(address);
    known_.remove(account);
    if (keyring_.present())
        keyring_.remove(account);
}

} // namespace targello
