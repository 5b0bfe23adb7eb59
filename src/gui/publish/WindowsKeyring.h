#pragma once

#include "gui/publish/Keyring.h"

namespace targello {

// The keyring of Windows: the Credential Manager, one generic credential per
// connection, kept on this computer only (it does not roam with the profile).
// Its calls answer at once, so nothing waits on them.
class WindowsKeyring : public Keyring {
public:
    bool present() const override { return true; }
    Answer read(const QString& key) override;
    Answer write(const QString& key, const QString& password) override;
    void remove(const QString& key) override;
};

} // namespace targello
