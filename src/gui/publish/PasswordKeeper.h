#pragma once

#include "core/publish/PublishAddress.h"

#include <QHash>
#include <QString>
#include <optional>

class QWidget;

namespace targello {

class Keyring;
class Platform;
class PublishPrompts;

// The passwords of this program run, one per user, host and port: asked
// once, kept in memory until the program ends, and in the system's keyring
// only where the trader ticked "Zapamiętaj hasło".
class PasswordKeeper {
public:
    PasswordKeeper(PublishPrompts& prompts, Keyring& keyring, Platform& platform);

    // The password for `address`: from memory, the keyring or the trader;
    // nothing where the trader cancelled.
    std::optional<QString> password(QWidget* owner, const PublishAddress& address);
    // The server refused it: the next publish asks again.
    void forget(const PublishAddress& address);

private:
    static QString key(const PublishAddress& address);

    PublishPrompts& prompts_;
    Keyring& keyring_;
    Platform& platform_;
    QHash<QString, QString> known_;
};

} // namespace targello
