#pragma once

#include <QString>

namespace targello {

// The system's password store (Secret Service, Windows Credential Manager).
class Keyring {
public:
    struct Answer {
        enum class Kind { Found, Missing, Unavailable };
        Kind Result = Kind::Unavailable;
        QString Password;
        QString Problem; // why the keyring did not answer
    };

    virtual ~Keyring() = default;

    // Whether this build can reach a keyring at all ("Zapamiętaj hasło" shows).
    virtual bool present() const = 0;
    // The window goes on answering while these wait for the keyring.
    virtual Answer read(const QString& key) = 0;
    virtual Answer write(const QString& key, const QString& password) = 0;
    virtual void remove(const QString& key) = 0;
};

// A keyring where the build has none: nothing is kept, nothing is found.
class NoKeyring : public Keyring {
public:
    bool present() const override { return false; }
    Answer read(const QString&) override { return {}; }
    Answer write(const QString&, const QString&) override { return {}; }
    void remove(const QString&) override {}
};

} // namespace targello
