#include "gui/publish/PublishCommands.h"

#include "PublishFakes.h"
#include "TestAppContext.h"
#include "core/publish/TrustStore.h"
#include "gui/publish/PublishOutcomeText.h"
#include "gui/publish/PublishTools.h"
#ifdef TARGELLO_HAS_KEYRING
#include "gui/publish/QtKeyring.h"
#endif

#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

const std::string Address = "ftps://jan@sklep.example:2121/sklep";
const std::string PublicAddress = "https://sklep.example/";
const std::string Endpoint = "sklep.example:2121";

class PublishCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_NE(app_.newPage(), nullptr);
        page().InsertItem();
        page().SetItemName(0, "Miod gryczany");
        useKeyring(std::make_unique<NoKeyring>());
    }

    void useKeyring(std::unique_ptr<Keyring> keyring) {
        auto prompts = std::make_unique<ScriptedPrompts>();
        prompts_ = prompts.get();
        tools_ = std::make_unique<PublishTools>(std::move(prompts), std::move(keyring), app_.platform());
        tools_->Open = [this](const PublishAddress&, const std::string& password,
                              const std::optional<Sha256::Digest>& accepted,
                              std::function<bool()> keepGoing) {
            return std::make_unique<FakeConnection>(server_, password, accepted, std::move(keepGoing));
        };
        tools_->Fetch = [this](const std::string& url, std::string& problem) -> std::optional<std::string> {
            if (url == PublicAddress + "sklep.html")
                return server_.Folder.Files["sklep.html"];
            problem = "nie ma takiej strony";
            return std::nullopt;
        };
        tools_->Wait = [](int, const std::atomic<bool>&) {};
        tools_->TrustFile = dir_.filePath(QStringLiteral("zaufane")).toStdString();
        tools_->ExportFolder = dir_.filePath(QStringLiteral("eksport"));
    }

    ShopPage& page() { return *app_.workspace().Current(); }
    void configure() {
        ShopSettings settings = page().Settings;
        settings.Publication = Address;
        settings.PublicAddress = PublicAddress;
        page().SetSettings(settings);
    }
    void trust(const Sha256::Digest& digest) { TrustStore(tools_->TrustFile).Remember(Endpoint, digest); }
    std::optional<Sha256::Digest> trusted() const { return TrustStore(tools_->TrustFile).Known(Endpoint); }
    QString lastShown() const {
        return app_.scriptedConst().shown.isEmpty() ? QString() : app_.scriptedConst().shown.last().text;
    }

    TestAppContext app_{TestAppContext::Pages::Hidden};
    QTemporaryDir dir_;
    FakeServer server_;
    ScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<PublishTools> tools_;
};

// Presses "Anuluj" in the publish's window as soon as it shows, once.
void pressAnulujWhenShown(QWidget* owner, QTimer& timer) {
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [owner, &timer] {
        auto* window = owner->findChild<QDialog*>(QStringLiteral("PostepPublikacji"));
        if (window == nullptr || !window->isVisible())
            return;
        window->findChild<QPushButton*>(QStringLiteral("AnulujPublikacje"))->click();
        timer.stop();
    });
    timer.start();
}

enum class Trust { Known, Unknown, Changed };

struct PublishCase {
    const char* name;
    bool firstUse;     // no address in the project yet: the dialog gives it
    bool dialogFilled; // the trader confirms the dialog
    Trust trust;
    const char* trustAnswer; // to the question about an unknown certificate
    bool cancel;             // "Anuluj" during a publish over an earlier one
    bool online;             // the new shop is on the server
    const char* told;        // what the trader reads last
};

TEST_F(PublishCommandsTest, PublishShopFromFirstUseToTheShopOnline) {
    const PublishCase cases[] = {
        {"first use asks for the connection", true, true, Trust::Known, "", false, true,
         "Sklep jest online: https://sklep.example/sklep.html"},
        {"a cancelled dialog publishes nothing", true, false, Trust::Known, "", false, false, ""},
        {"an unknown certificate accepted", false, true, Trust::Unknown, "Przyjmij", false, true,
         "Sklep jest online: https://sklep.example/sklep.html"},
        {"an unknown certificate refused", false, true, Trust::Unknown, "Anuluj", false, false, ""},
        {"a changed certificate stops", false, true, Trust::Changed, "", false, false,
         "jest inny niż przyjęty wcześniej"},
        {"cancel leaves the old shop", false, true, Trust::Known, "", true, false, CancelledText},
    };
    for (const PublishCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        server_ = FakeServer{};
        QFile::remove(QString::fromStdString(tools_->TrustFile.string()));
        app_.scripted().shown.clear();
        app_.scripted().questions.clear();
        if (c.trust == Trust::Known)
            trust(server_.Key);
        if (c.trust == Trust::Changed)
            trust(Sha256::Of("an earlier certificate"));
        if (c.firstUse) {
            ShopSettings settings = page().Settings;
            settings.Publication.clear();
            page().SetSettings(settings);
        } else {
            configure();
        }
        if (c.dialogFilled)
            prompts_->Connection = {{Address, PublicAddress}};
        page().MarkSaved();
        std::string oldPage;
        QTimer presser;
        if (c.cancel) {
            PublishShop(app_, *tools_);
            oldPage = server_.Folder.Files.at("sklep.html");
            page().SetItemName(0, "Miod lipowy");
            server_.Stall = true;
            pressAnulujWhenShown(app_.window(), presser);
        }
        prompts_->Published.clear();
        if (*c.trustAnswer != '\0')
            app_.scripted().nextAnswer.enqueue(QString::fromUtf8(c.trustAnswer));

        PublishShop(app_, *tools_);

        EXPECT_EQ(prompts_->ConnectionDialogs, c.firstUse ? 1 : 0);
        if (c.firstUse && c.dialogFilled) {
            EXPECT_EQ(page().Settings.Publication, Address);
            EXPECT_EQ(app_.editedSettings().Values.PublicAddress, PublicAddress);
            EXPECT_TRUE(page().Changed());
        }
        EXPECT_EQ(prompts_->PasswordQuestions, c.dialogFilled ? 1 : 0);
        const bool newShop = server_.Folder.Files.count("sklep.html") &&
                             server_.Folder.Files["sklep.html"].find("Miod gryczany") != std::string::npos;
        if (!c.cancel) {
            EXPECT_EQ(newShop, c.online);
        }
        if (c.cancel) {
            EXPECT_EQ(server_.Folder.Files.at("sklep.html"), oldPage);
            EXPECT_EQ(app_.scriptedConst().shown.last().kind, ScriptedPlatform::Kind::Message);
        }
        if (c.trust == Trust::Unknown) {
            ASSERT_EQ(app_.scriptedConst().questions.size(), 1);
            EXPECT_TRUE(app_.scriptedConst().questions[0].contains(
                QStringLiteral("port 2121\nOdcisk SHA-256: %1")
                    .arg(QString::fromStdString(CertificateFingerprintText(server_.Key)))));
            EXPECT_EQ(trusted() == server_.Key, c.online);
        }
        if (c.trust == Trust::Changed) {
            EXPECT_NE(trusted(), server_.Key);
        }
        const QString told = prompts_->Published.isEmpty() ? lastShown() : prompts_->Published.last();
        EXPECT_TRUE(told.contains(QString::fromUtf8(c.told))) << told.toStdString();
    }
}

TEST_F(PublishCommandsTest, AMissingFolderIsMadeOnlyWhenTheTraderSaysSo) {
    const struct {
        const char* answer;
        bool online;
    } cases[] = {{"Utwórz folder", true}, {"Anuluj", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        server_ = FakeServer{};
        server_.FolderExists = false;
        app_.scripted().questions.clear();
        trust(server_.Key);
        configure();
        prompts_->Published.clear();
        app_.scripted().nextAnswer.enqueue(QString::fromUtf8(c.answer));

        PublishShop(app_, *tools_);

        ASSERT_EQ(app_.scriptedConst().questions.size(), 1);
        EXPECT_TRUE(app_.scriptedConst().questions[0].startsWith(
            QStringLiteral("Na serwerze „sklep.example” nie ma folderu „sklep”.")));
        EXPECT_EQ(server_.FolderExists, c.online);
        EXPECT_EQ(server_.Folder.Files.count("sklep.html"), c.online ? 1U : 0U);
        EXPECT_EQ(prompts_->Published.size(), c.online ? 1 : 0);
    }
}

struct PasswordCase {
    const char* name;
    bool systemKeyring;  // QtKeychain with no keyring service running
    bool remember;       // "Zapamiętaj hasło" ticked
    bool refusedFirst;   // the server refuses the first password
    int questions;       // over two publishes
    const char* warning; // "" for none
};

TEST_F(PublishCommandsTest, PasswordIsAskedOncePerRunAndKeptWhereTheTraderSaid) {
    const PasswordCase cases[] = {
        {"kept in memory", false, false, false, 1, ""},
        {"asked again after the server refused it", false, false, true, 2, "nie przyjął nazwy użytkownika"},
#ifdef TARGELLO_HAS_KEYRING
        {"no keyring answers", true, true, false, 1, "Nie udało się zapamiętać hasła w pęku kluczy systemu"},
#endif
    };
    for (const PasswordCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<Keyring> keyring = std::make_unique<NoKeyring>();
#ifdef TARGELLO_HAS_KEYRING
        if (c.systemKeyring) {
            // No session bus, as on a machine without a desktop: nothing may wait for one.
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
            qunsetenv("DISPLAY");
            keyring = std::make_unique<QtKeyring>(3000);
        }
#endif
        useKeyring(std::move(keyring));
        server_ = FakeServer{};
        app_.scripted().shown.clear();
        trust(server_.Key);
        configure();
        prompts_->Remember = c.remember;
        if (c.refusedFirst)
            server_.Password = "inne";
        QElapsedTimer clock;
        clock.start();
        PublishShop(app_, *tools_);
        EXPECT_EQ(prompts_->RememberOffered, c.systemKeyring);
        const QString afterFirst = lastShown();
        if (*c.warning != '\0') {
            EXPECT_TRUE(afterFirst.contains(QString::fromUtf8(c.warning))) << afterFirst.toStdString();
        } else {
            EXPECT_TRUE(afterFirst.isEmpty()) << afterFirst.toStdString();
        }
        server_.Password = "tajne";
        PublishShop(app_, *tools_);
        EXPECT_LT(clock.elapsed(), 20000);
        EXPECT_EQ(prompts_->PasswordQuestions, c.questions);
        ASSERT_FALSE(prompts_->Published.isEmpty());
        EXPECT_TRUE(prompts_->Published.last().startsWith(QStringLiteral("Sklep jest online: ")));
    }
}

} // namespace
