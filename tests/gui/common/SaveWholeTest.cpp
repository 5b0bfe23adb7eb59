#include "gui/common/SaveWhole.h"

#include "core/files/FileSync.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace targello;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class SaveWholeTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    QStringList files() const { return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir folder_;
};

TEST_F(SaveWholeTest, WritesTheBytesAndLeavesNothingElseBehind) {
    EXPECT_EQ(SaveWhole(path("sklep.esk"), QByteArray("pierwszy")), QString());
    EXPECT_EQ(SaveWhole(path("sklep.esk"), QByteArray("drugi")), QString());
    EXPECT_EQ(contents(path("sklep.esk")), QByteArray("drugi"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("sklep.esk")});
}

TEST_F(SaveWholeTest, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    ASSERT_EQ(SaveWhole(path("sklep.esk"), QByteArray("stary")), QString());
    const QString error = SaveWhole(path("sklep.esk"), [](QIODevice& file) {
        file.write("pół nowego");
        return false;
    });
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(path("sklep.esk")), QByteArray("stary"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("sklep.esk")});
}

TEST_F(SaveWholeTest, ADiskThatCannotPutTheFileDownKeepsTheOldFile) {
    ASSERT_EQ(SaveWhole(path("sklep.esk"), QByteArray("stary")), QString());
    SetSyncFailureForTests(true);
    const QString error = SaveWhole(path("sklep.esk"), QByteArray("nowy"));
    SetSyncFailureForTests(false);
    EXPECT_EQ(error, QStringLiteral("błąd odczytu lub zapisu dysku"));
    EXPECT_EQ(contents(path("sklep.esk")), QByteArray("stary"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("sklep.esk")});
}

TEST_F(SaveWholeTest, AFolderThatIsNotThereGivesTheReason) {
    const QString error = SaveWhole(path("brak/sklep.esk"), QByteArray("x"));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path("brak/sklep.esk")));
}

} // namespace
