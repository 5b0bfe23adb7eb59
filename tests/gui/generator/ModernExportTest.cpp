#include "AnulujPresser.h"
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRandomGenerator>

using namespace targello;

namespace {

class ModernExportTest : public MainWindowFixture {
protected:
    ShopPage& page() { return *workspace().Current(); }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Ticks or clears "Strona nowoczesna" in Opcje and presses OK.
    // Call through ASSERT_NO_FATAL_FAILURE.
    void chooseModernPage(bool on) {
        ASSERT_NO_FATAL_FAILURE(trigger("Ustawienia1"));
        auto* box = window_->options().findChild<QCheckBox*>(QStringLiteral("NowoczesnaBox"));
        ASSERT_NE(box, nullptr);
        if (box->isChecked() != on)
            box->click();
        auto* ok = window_->options().findChild<QPushButton*>(QStringLiteral("OKButton"));
        ASSERT_NE(ok, nullptr);
        ok->click();
    }

    // Gives item `k` a new photo of `size` made of noise, which no encoder
    // makes short work of. Call through ASSERT_NO_FATAL_FAILURE.
    void setPhoto(int k, const QString& name, QSize size) {
        QImage photo(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                line[x] = QRandomGenerator::global()->generate();
        }
        const QString path = files_.filePath(name);
        ASSERT_TRUE(photo.save(path, "JPG", 95));
        page().SetItemPicture(k, path.toStdString(), ItemPicture::File);
    }

    QTemporaryDir files_;
};

TEST_F(ModernExportTest, TheChoiceIsSavedWithTheProjectAndComesBackOnOpen) {
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    ASSERT_NO_FATAL_FAILURE(chooseModernPage(true));
    EXPECT_TRUE(page().Settings.ModernPage);
    const QString project = files_.filePath(QStringLiteral("nowoczesny.esk"));
    platform_.nextFileName.enqueue(project);
    ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojekt1"));
    EXPECT_TRUE(contents(project).contains("strona=nowoczesna\n"));

    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    auto* box = window_->options().findChild<QCheckBox*>(QStringLiteral("NowoczesnaBox"));
    window_->options().loadPageIntoOptions();
    EXPECT_FALSE(box->isChecked());
    platform_.nextFileName.enqueue(project);
    ASSERT_NO_FATAL_FAILURE(trigger("Otw1"));
    ASSERT_EQ(workspace().PageCount(), 3);
    EXPECT_TRUE(page().Settings.ModernPage);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(platform_.shown.isEmpty());
}

TEST_F(ModernExportTest, ExportWritesTheModernPageAndNamesPicturesItWentWithout) {
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    for (int k = 0; k < 2; ++k)
        ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    QImage photo(800, 600, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    const QString good = files_.filePath(QStringLiteral("zielony.jpg"));
    ASSERT_TRUE(photo.save(good));
    const QString gone = files_.filePath(QStringLiteral("usuniety.jpg"));
    page().SetItemPicture(0, good.toStdString(), ItemPicture::File);
    page().SetItemPicture(1, gone.toStdString(), ItemPicture::File);
    page().SetItemName(0, "Zielona <b>herbata</b>");
    ASSERT_NO_FATAL_FAILURE(chooseModernPage(true));

    QTemporaryDir out;
    const QString shop = out.filePath(QStringLiteral("sklep.html"));
    platform_.nextFileName.enqueue(shop);
    ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));

    const QByteArray html = contents(shop);
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains("<meta name=\"viewport\""));
    EXPECT_TRUE(html.contains("Zielona &lt;b&gt;herbata&lt;/b&gt;"));
    EXPECT_FALSE(QDir(out.filePath(QStringLiteral("sklep"))).isEmpty());
    // The pictures left out (with the two ways to the shop), then once what
    // the shop lacks to sell.
    ASSERT_EQ(platform_.questions.size(), 1);
    EXPECT_TRUE(platform_.questions[0].contains(gone)) << platform_.questions[0].toStdString();
    EXPECT_FALSE(platform_.questions[0].contains(good));
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_EQ(platform_.shown[0].kind, ScriptedPlatform::Kind::Warning);
    EXPECT_TRUE(platform_.shown[0].text.startsWith(QStringLiteral("Sklep zapisano, ale brakuje w nim:")));

    // Cleared again, the same export writes the classic page.
    ASSERT_NO_FATAL_FAILURE(chooseModernPage(false));
    platform_.nextFileName.enqueue(shop);
    ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
    EXPECT_TRUE(contents(shop).startsWith("<HTML><HEAD>"));
}

TEST_F(ModernExportTest, AnulujLeavesThePreviousModernPageAsItWas) {
    constexpr int Items = 12;
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    for (int k = 0; k < Items; ++k) {
        ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
        ASSERT_NO_FATAL_FAILURE(setPhoto(k, QStringLiteral("p%1.jpg").arg(k), QSize(64, 48)));
    }
    ASSERT_NO_FATAL_FAILURE(chooseModernPage(true));
    QTemporaryDir out;
    const QString shop = out.filePath(QStringLiteral("sklep.html"));
    platform_.nextFileName.enqueue(shop);
    ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
    const QByteArray before = contents(shop);
    ASSERT_FALSE(before.isEmpty());
    const QStringList picturesBefore = QDir(out.filePath(QStringLiteral("sklep"))).entryList(QDir::Files);
    platform_.shown.clear(); // the warning that the shop names no seller yet

    // New, large photos: every copy has to be made again, which takes far
    // longer than the progress dialog takes to be cancelled.
    page().SetItemName(0, "Inna nazwa");
    for (int k = 0; k < Items; ++k)
        ASSERT_NO_FATAL_FAILURE(setPhoto(k, QStringLiteral("nowe%1.jpg").arg(k), QSize(1600, 1200)));
    {
        const AnulujPresser presser(window_.get());
        platform_.nextFileName.enqueue(shop);
        ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
        EXPECT_TRUE(presser.pressed());
    }
    EXPECT_EQ(contents(shop), before);
    EXPECT_EQ(QDir(out.filePath(QStringLiteral("sklep"))).entryList(QDir::Files), picturesBefore);
    EXPECT_TRUE(platform_.shown.isEmpty()) << "a cancelled export is no failure";
}

} // namespace
