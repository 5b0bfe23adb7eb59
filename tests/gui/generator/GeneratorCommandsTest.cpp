#include "MainWindowFixture.h"
#include "gui/workspace/PageWindow.h"

#include <QFile>
#include <QFileInfo>

using namespace targello;

namespace {

class GeneratorCommandsTest : public MainWindowFixture {
protected:
    // Call through ASSERT_NO_FATAL_FAILURE.
    void pageWithItems(int count) {
        ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
        for (int k = 0; k < count; ++k)
            ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(GeneratorCommandsTest, PreviewWritesTheStartDirectoryPageAndOpensIt) {
    ASSERT_NO_FATAL_FAILURE(pageWithItems(2));
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    ASSERT_NO_FATAL_FAILURE(trigger("Podgldprojektu1"));
    const QString page = startPath(QStringLiteral("temp.html"));
    ASSERT_TRUE(QFile::exists(page));
    EXPECT_TRUE(QFileInfo(startPath(QStringLiteral("temp"))).isDir());
    ASSERT_EQ(platform_.opened.size(), 1);
    EXPECT_EQ(QFileInfo(platform_.opened.last()).canonicalFilePath(), QFileInfo(page).canonicalFilePath());
    ASSERT_EQ(platform_.questions.size(), 1);
    EXPECT_TRUE(platform_.questions[0].startsWith(QStringLiteral("Sklep zapisano w pliku:\n")));
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(start_.path()).canonicalPath());
    const QByteArray first = contents(page);
    EXPECT_TRUE(first.contains("Produkt 2"));
    ASSERT_NO_FATAL_FAILURE(trigger("Podgldprojektu1"));
    EXPECT_EQ(contents(page), first);
}

TEST_F(GeneratorCommandsTest, APreviewThatCannotBeWrittenShowsTheErrorAndOpensNothing) {
    ASSERT_NO_FATAL_FAILURE(pageWithItems(1));
    ASSERT_TRUE(QDir(start_.path()).mkdir(QStringLiteral("temp.html")));
    ASSERT_NO_FATAL_FAILURE(trigger("Podgldprojektu1"));
    EXPECT_TRUE(platform_.opened.isEmpty());
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_EQ(platform_.shown.last().kind, ScriptedPlatform::Kind::Error);
    EXPECT_TRUE(platform_.shown.last().text.contains(QStringLiteral("temp.html")));
}

TEST_F(GeneratorCommandsTest, ExportCompletesTheNameAndNamesThePictureFolderAfterIt) {
    ASSERT_NO_FATAL_FAILURE(pageWithItems(1));
    QTemporaryDir out;
    platform_.nextFileName.enqueue(out.filePath(QStringLiteral("sklep")));
    ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
    EXPECT_TRUE(QFile::exists(out.filePath(QStringLiteral("sklep.html"))));
    EXPECT_TRUE(QFileInfo(out.filePath(QStringLiteral("sklep"))).isDir());
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(out.path()).canonicalPath());

    platform_.nextFileName.enqueue(out.filePath(QStringLiteral("a.b.html")));
    ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
    EXPECT_TRUE(QFileInfo(out.filePath(QStringLiteral("a.b"))).isDir());
    EXPECT_TRUE(platform_.shown.isEmpty());
}

TEST_F(GeneratorCommandsTest, AWrittenShopSaysWhereItIsAndOpensItOrItsFolder) {
    ASSERT_NO_FATAL_FAILURE(pageWithItems(1));
    QTemporaryDir out;
    const QString shop = QDir::toNativeSeparators(out.filePath(QStringLiteral("sklep.html")));
    const QString noAddress = QStringLiteral(
        "\n\nSklep nie ma adresu e-mail do zamówień: kupujący nie będą mogli wysłać zamówienia.");
    const struct {
        const char* answer;
        const char* address;
        QString opened; // "" for nothing
        QString note;
    } cases[] = {
        {"Otwórz w przeglądarce", "", shop, noAddress},
        {"Pokaż w folderze", "zosia@spizarnia.pl", QDir::toNativeSeparators(out.path()), QString()},
        {"Zamknij", "zosia@spizarnia.pl", QString(), QString()},
    };
    for (const auto& c : cases) {
        workspace().Current()->Settings.OrderEmail = c.address;
        platform_.opened.clear();
        platform_.questions.clear();
        platform_.nextFileName.enqueue(shop);
        platform_.nextAnswer.enqueue(QString::fromUtf8(c.answer));
        ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
        ASSERT_EQ(platform_.questions.size(), 1) << c.answer;
        EXPECT_EQ(platform_.questions[0], QStringLiteral("Sklep zapisano w pliku:\n") + shop + c.note);
        EXPECT_EQ(platform_.opened, c.opened.isEmpty() ? QStringList() : QStringList{c.opened}) << c.answer;
    }
    EXPECT_TRUE(platform_.shown.isEmpty());
}

TEST_F(GeneratorCommandsTest, CancellingTheExportWritesNothing) {
    ASSERT_NO_FATAL_FAILURE(pageWithItems(1));
    ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
    EXPECT_EQ(platform_.dialogs.size(), 1);
    EXPECT_EQ(QDir(start_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

} // namespace
