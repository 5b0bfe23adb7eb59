#include "AnulujPresser.h"
#include "FifoGuard.h"
#include "MainWindowFixture.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <map>

using namespace targello;

namespace {

using Kind = ScriptedPlatform::Kind;

class ExportSafetyTest : public MainWindowFixture {
protected:
    // Call through ASSERT_NO_FATAL_FAILURE.
    void pageWithItems(int count) {
        ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
        for (int k = 0; k < count; ++k)
            ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    }
    ShopPage& page() { return *workspace().Current(); }

    QString picture(const QString& name, QColor color) {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(color);
        const QString path = files_.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    // Call through ASSERT_NO_FATAL_FAILURE.
    void exportTo(const QString& path) {
        platform_.nextFileName.enqueue(path);
        ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
    }

    // Every file below `folder` with its bytes.
    static std::map<QString, QByteArray> snapshot(const QString& folder) {
        std::map<QString, QByteArray> files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files[file.fileName()] = file.readAll();
        }
        return files;
    }

    QTemporaryDir files_;
    QTemporaryDir out_;
};

TEST_F(ExportSafetyTest, PicturesThatCannotBeCopiedAreNamedInOneMessageAndThePageIsWritten) {
    TARGELLO_SKIP_WITHOUT_DEVICES();
    ASSERT_NO_FATAL_FAILURE(pageWithItems(3));
    const QString gone = files_.filePath(QStringLiteral("usuniety.jpg"));
    page().SetItemPicture(0, gone.toStdString(), ItemPicture::File);
    page().SetItemPicture(1, picture(QStringLiteral("jest.png"), Qt::red).toStdString(), ItemPicture::File);
    page().SetItemPicture(2, "/dev/zero", ItemPicture::File);
    const QString shop = out_.filePath(QStringLiteral("sklep.html"));
    ASSERT_NO_FATAL_FAILURE(exportTo(shop));

    EXPECT_TRUE(QFile::exists(shop));
    EXPECT_TRUE(QFile::exists(out_.filePath(QStringLiteral("sklep/jest.png"))));
    EXPECT_TRUE(platform_.shown.isEmpty());
    ASSERT_EQ(platform_.questions.size(), 1);
    EXPECT_EQ(
        platform_.questions[0],
        QStringLiteral("Sklep zapisano, ale nie wszystkie obrazki udało się skopiować:\n"
                       "Obrazek „%1” nie został skopiowany: plik nie istnieje.\n"
                       "Obrazek „/dev/zero” nie został skopiowany: to nie jest zwykły plik.\n\n"
                       "Sklep nie ma adresu e-mail do zamówień: kupujący nie będą mogli wysłać zamówienia.")
            .arg(gone));
}

TEST_F(ExportSafetyTest, LinksThatRunCodeAreToldAfterThePicturesInTheSameMessage) {
    ASSERT_NO_FATAL_FAILURE(pageWithItems(1));
    const QString gone = files_.filePath(QStringLiteral("usuniety.jpg"));
    page().SetItemPicture(0, gone.toStdString(), ItemPicture::File);
    EditedSettings& edited = window_->editedSettings();
    edited.Values.PageLayout = 3;
    edited.Values.MenuLinks[0] = {"Promocja", "JAVASCRIPT:alert(1)"};
    edited.Values.MenuLinks[1] = {"Regulamin", "regulamin.html"};
    // A shop that names its seller and terms: the modern export tells nothing else.
    edited.Values.Selling.SellerName = "Pasieka";
    edited.Values.Selling.SellerAddress = "Łęg 1";
    edited.Values.Selling.SellerNip = "osoba fizyczna";
    edited.Values.Selling.Terms = "§ 1.";
    edited.Values.Selling.Privacy = "Dane.";
    const QString link = QStringLiteral("Link menu „Promocja” prowadzi do adresu „javascript:”, który "
                                        "uruchamia kod; zapisano go jako nieaktywny.");
    for (const bool modern : {false, true}) {
        page().Settings.ModernPage = modern;
        platform_.shown.clear();
        platform_.questions.clear();
        ASSERT_NO_FATAL_FAILURE(exportTo(out_.filePath(QStringLiteral("sklep.html"))));
        EXPECT_TRUE(platform_.shown.isEmpty()) << modern;
        ASSERT_EQ(platform_.questions.size(), 1) << modern;
        EXPECT_TRUE(platform_.questions[0].contains(gone)) << modern;
        EXPECT_TRUE(platform_.questions[0].contains(QStringLiteral("\n\n") + link))
            << modern << platform_.questions[0].toStdString();
    }
}

TEST_F(ExportSafetyTest, AFifoInThePagesPlaceIsRefusedNamingItWithoutBeingOpened) {
    ASSERT_NO_FATAL_FAILURE(pageWithItems(1));
    const QString shop = out_.filePath(QStringLiteral("sklep.html"));
    TARGELLO_SKIP_WITHOUT_FIFOS();
    FifoGuard guard(shop);
    ASSERT_TRUE(guard.made());
    ASSERT_NO_FATAL_FAILURE(exportTo(shop));
    page().Settings.ModernPage = true;
    ASSERT_NO_FATAL_FAILURE(exportTo(shop));

    ASSERT_EQ(platform_.shown.size(), 2);
    for (const auto& shown : platform_.shown) {
        EXPECT_EQ(shown.kind, Kind::Error);
        EXPECT_EQ(shown.text,
                  QStringLiteral("Nie można zapisać strony „%1”: to nie jest zwykły plik.").arg(shop));
    }
    EXPECT_FALSE(guard.wasOpened());
}

TEST_F(ExportSafetyTest, AnulujLeavesThePreviousExportByteForByte) {
    constexpr int Items = 8;
    ASSERT_NO_FATAL_FAILURE(pageWithItems(Items));
    for (int k = 0; k < Items; ++k)
        page().SetItemPicture(k, picture(QStringLiteral("a%1.png").arg(k), Qt::red).toStdString(),
                              ItemPicture::File);
    const QString shop = out_.filePath(QStringLiteral("sklep.html"));
    ASSERT_NO_FATAL_FAILURE(exportTo(shop));
    ASSERT_TRUE(platform_.shown.isEmpty());
    const auto before = snapshot(out_.path());

    // Everything the second export would write differs from the first.
    for (int k = 0; k < Items; ++k) {
        page().SetItemName(k, "Nowa nazwa " + std::to_string(k));
        page().SetItemPicture(k, picture(QStringLiteral("b%1.png").arg(k), Qt::blue).toStdString(),
                              ItemPicture::File);
    }
    {
        const AnulujPresser presser(window_.get());
        ASSERT_NO_FATAL_FAILURE(exportTo(shop));
        EXPECT_TRUE(presser.pressed());
    }

    EXPECT_TRUE(platform_.shown.isEmpty()) << "a cancelled export is no failure";
    EXPECT_EQ(snapshot(out_.path()), before);
}

} // namespace
