#include "gui/publish/WindowsKeyring.h"

#include <QUuid>
#include <gtest/gtest.h>

using namespace targello;

namespace {

using Kind = Keyring::Answer::Kind;

// The Credential Manager itself (wine has one): what is written is read back
// whole, a second write replaces it, and a removed one is gone.
TEST(WindowsKeyringTest, KeepsReplacesAndForgetsAPassword) {
    WindowsKeyring keyring;
    const QString key = QStringLiteral("ftps://jan@127.0.0.1:2121/") + QUuid::createUuid().toString();
    ASSERT_EQ(keyring.read(key).Result, Kind::Missing);

    const struct {
        const char* name;
        QString password;
    } writes[] = {
        {"first", QStringLiteral("Hasło-żółć 1")},
        {"replaced", QStringLiteral("drugie \"hasło\" ąę€")},
    };
    for (const auto& write : writes) {
        SCOPED_TRACE(write.name);
        const Keyring::Answer written = keyring.write(key, write.password);
        ASSERT_EQ(written.Result, Kind::Found) << written.Problem.toStdString();
        const Keyring::Answer read = keyring.read(key);
        ASSERT_EQ(read.Result, Kind::Found) << read.Problem.toStdString();
        EXPECT_EQ(read.Password, write.password);
    }

    keyring.remove(key);
    EXPECT_EQ(keyring.read(key).Result, Kind::Missing);
}

} // namespace
