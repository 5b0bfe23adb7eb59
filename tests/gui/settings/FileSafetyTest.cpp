#include "ClaimedSizeJpeg.h"
#include "FifoGuard.h"
#include "OptionsFixture.h"
#include "QtPrinting.h"
#include "gui/common/DataLocation.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace targello;

namespace {

// Files that are no regular files, chosen where the settings take a picture:
// refused at once with the reason, never opened.
class SettingsFileSafetyTest : public OptionsFixture {
protected:
    QString texture(const char* name) {
        return LocateDataFile(app_.startDirectory(), QStringLiteral("textury/") + QString::fromUtf8(name));
    }
    QString swatchTip() { return find<QLabel>("ImageBufer")->toolTip(); }
    QTemporaryDir files_;
};

TEST_F(SettingsFileSafetyTest, AFifoChosenAsTextureIsRefusedAndTheTextureStays) {
    newPage();
    ASSERT_TRUE(dialog_->loadTexture(texture("gwiazdki.jpg")));
    const QImage strip = dialog_->textureStrip();
    const QString fifo = files_.filePath(QStringLiteral("tekstura.jpg"));
    TARGELLO_SKIP_WITHOUT_FIFOS();
    FifoGuard guard(fifo);
    ASSERT_TRUE(guard.made());

    app_.platform_.nextFileName.enqueue(fifo);
    find<QPushButton>("SpeedButton2")->click();
    // Opening a project whose texture is a FIFO loads it without a dialog.
    EXPECT_FALSE(dialog_->loadTexture(fifo));

    ASSERT_EQ(shown().size(), 2);
    EXPECT_EQ(shown()[0].kind, ScriptedPlatform::Kind::Error);
    EXPECT_EQ(shown()[0].text,
              QStringLiteral("Nie można odczytać pliku „%1”: to nie jest zwykły plik.").arg(fifo));
    EXPECT_EQ(shown()[1].text,
              QStringLiteral("Nie można wczytać tekstury z pliku „%1”: to nie jest zwykły plik.").arg(fifo));
    EXPECT_EQ(swatchTip(), texture("gwiazdki.jpg"));
    EXPECT_EQ(dialog_->textureStrip(), strip);
    EXPECT_FALSE(guard.wasOpened());
}

TEST_F(SettingsFileSafetyTest, ADeviceChosenAsBannerIsRefused) {
    TARGELLO_SKIP_WITHOUT_DEVICES();
    newPage();
    find<QLineEdit>("LabeledEdit2")->setText(QStringLiteral("/baner.png"));
    app_.platform_.nextFileName.enqueue(QStringLiteral("/dev/zero"));
    find<QToolButton>("Button1")->click();
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].text,
              QStringLiteral("Nie można odczytać pliku „/dev/zero”: to nie jest zwykły plik."));
    EXPECT_EQ(find<QLineEdit>("LabeledEdit2")->text(), QStringLiteral("/baner.png"));
}

TEST_F(SettingsFileSafetyTest, AFifoWhereTheSwatchIsWrittenIsReportedNotWrittenInto) {
    newPage();
    const QString swatch = app_.startPath(QStringLiteral("temp.bmp"));
    QFile::remove(swatch);
    TARGELLO_SKIP_WITHOUT_FIFOS();
    FifoGuard guard(swatch);
    ASSERT_TRUE(guard.made());
    EXPECT_FALSE(dialog_->loadTexture(texture("nutki.jpg")));
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].text,
              QStringLiteral("Nie można zapisać próbki tekstury do pliku „%1”: to nie jest zwykły plik.")
                  .arg(JoinPath(app_.startDirectory(), QStringLiteral("temp.bmp"))));
    EXPECT_FALSE(guard.wasOpened());
}

TEST_F(SettingsFileSafetyTest, AHugeTextureIsRefusedBeforeItIsDecoded) {
    newPage();
    const QByteArray bytes = JpegClaimingSize(32000, 32000);
    ASSERT_FALSE(bytes.isEmpty());
    const QString path = files_.filePath(QStringLiteral("ogromna.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    EXPECT_FALSE(dialog_->loadTexture(path));
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].text, QStringLiteral("Nie można wczytać tekstury z pliku „%1”: obrazek za duży: "
                                              "32000 × 32000 pikseli.")
                                   .arg(path));
}

} // namespace
