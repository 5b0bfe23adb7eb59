#pragma once

#include "gui/publish/Keyring.h"

namespace targello {

// The keyring through QtKeychain. Its jobs run asynchronously; each call
// turns the event loop until the job answers or `waitMs` passes, so that a
// keyring service that never answers neither freezes nor holds up a publish.
class QtKeyring : public Keyring {
public:
    explicit QtKeyring(int waitMs = 10000) : waitMs_(waitMs) {}

    bool present() const override { return true; }
    Answer read(const QString& key) override;
    Answer write(const QString& key, const QString& password) override;
    void remove(const QString& key) override;

private:
    int waitMs_;
};

} // namespace targello
