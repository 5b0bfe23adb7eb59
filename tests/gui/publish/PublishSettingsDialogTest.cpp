#include "gui/publish/PublishSettingsDialog.h"

#include "core/settings/ShopSettings.h"
#include "gui/platform/ScriptedPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace targello;

namespace {

struct DialogCase {
    const char* name;
    int protocolRow;       // chosen in the list
    const char* ftpAnswer; // to the plain FTP warning; "" when none is expected
    const char* publicAddress;
    const char* publication; // stored by OK; "" where OK refuses
};

TEST(PublishSettingsDialogTest, StoresTheConnectionAndAsksBeforePlainFtp) {
    const DialogCase cases[] = {
        {"FTPS explicit by default", -1, "", "https://sklep.example/",
         "ftps://jan@sklep.example/public_html"},
        {"implicit TLS takes its port", 1, "", "", "ftpsi://jan@sklep.example/public_html"},
        {"SFTP takes its port", 2, "", "", "sftp://jan@sklep.example/public_html"},
        {"plain FTP after the warning", 3, "Użyj zwykłego FTP", "", "ftp://jan@sklep.example/public_html"},
        {"the warning declined keeps FTPS", 3, "Anuluj", "", "ftps://jan@sklep.example/public_html"},
        {"an address that is no web address", -1, "", "sklep.example", ""},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPlatform platform;
        ShopSettings values;
        PublishSettingsDialog dialog(values, platform);
        if (*c.ftpAnswer != '\0')
            platform.nextAnswer.enqueue(QString::fromUtf8(c.ftpAnswer));
        EXPECT_EQ(dialog.findChild<QSpinBox*>(QStringLiteral("Port"))->value(), 21);
        if (c.protocolRow >= 0)
            dialog.findChild<QComboBox*>(QStringLiteral("Protokol"))->setCurrentIndex(c.protocolRow);
        EXPECT_EQ(platform.questions.size(), *c.ftpAnswer != '\0' ? 1 : 0);
        dialog.findChild<QLineEdit*>(QStringLiteral("Serwer"))->setText(QStringLiteral(" sklep.example "));
        dialog.findChild<QLineEdit*>(QStringLiteral("Uzytkownik"))->setText(QStringLiteral("jan"));
        dialog.findChild<QLineEdit*>(QStringLiteral("FolderZdalny"))
            ->setText(QStringLiteral("/public_html/"));
        dialog.findChild<QLineEdit*>(QStringLiteral("AdresPubliczny"))
            ->setText(QString::fromUtf8(c.publicAddress));
        dialog.accept();
        EXPECT_EQ(values.Publication, c.publication);
        EXPECT_EQ(dialog.result(), *c.publication != '\0' ? QDialog::Accepted : QDialog::Rejected);
        if (*c.publication != '\0') {
            EXPECT_EQ(values.PublicAddress, c.publicAddress);
        } else {
            EXPECT_EQ(platform.shown.size(), 1);
        }
    }
}

} // namespace
