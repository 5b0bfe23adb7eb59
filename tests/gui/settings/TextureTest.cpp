#include "OptionsFixture.h"
#include "QtPrinting.h"
#include "gui/common/DataLocation.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTest>

using namespace targello;

namespace {

QImage Corner(const QString& path) {
    return QImage(path).copy(0, 0, 50, 50).convertToFormat(QImage::Format_RGB32);
}

bool StripRepeats(const QImage& strip, const QImage& swatch) {
    if (strip.size() != QSize(1200, 150))
        return false;
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 1200; x += 13)
            if (strip.pixel(x, y) != swatch.pixel(x % 50, y % 50))
                return false;
    return true;
}

} // namespace

class TextureFixture : public OptionsFixture {
protected:
    QString texture(const char* name) {
        return LocateDataFile(app_.startDirectory(), QStringLiteral("textury/") + QString::fromUtf8(name));
    }
    QString swatchTip() { return find<QLabel>("ImageBufer")->toolTip(); }
};

TEST_F(TextureFixture, TextureStyleLoadsItsTextureAndKeepsTheRowColours) {
    ShopPage& page = newPage();
    dialog_->show();
    Choose(find<QComboBox>("ComboBox2"), 0);
    const QString web = texture("pajęczyna.jpg");
    EXPECT_TRUE(web.startsWith(QDir::toNativeSeparators(app_.startDirectory() + QLatin1Char('/'))) &&
                QFileInfo::exists(web))
        << web.toStdString();
    EXPECT_EQ(swatchTip(), web);
    EXPECT_TRUE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(color(1), QStringLiteral("#FFFBF0"));
    EXPECT_EQ(color(2), QStringLiteral("#EEEDF8"));
    const QImage swatch = Corner(web);
    EXPECT_EQ(find<QLabel>("ImageBufer")->pixmap().toImage().convertToFormat(QImage::Format_RGB32), swatch);
    EXPECT_TRUE(StripRepeats(dialog_->textureStrip(), swatch));
    EXPECT_EQ(QImage(app_.startPath(QStringLiteral("temp.bmp"))).convertToFormat(QImage::Format_RGB32),
              swatch);

    pressOk();
    EXPECT_EQ(PagePixel(app_, QPoint(1150, 75)), QColor(swatch.pixel(1150 % 50, 75 % 50)));
    EXPECT_TRUE(page.Settings.UseTexture);
    EXPECT_EQ(QString::fromStdString(page.Settings.TexturePath), web);
    EXPECT_EQ(page.Settings.ProductColumns, 1);
    EXPECT_EQ(page.Settings.RowColor1, RgbColor::fromHex("#FFFBF0"));
}

TEST_F(TextureFixture, ColourStyleKeepsTheLastTextureShown) {
    newPage();
    Choose(find<QComboBox>("ComboBox2"), 6);
    const QImage strip = dialog_->textureStrip();
    Choose(find<QComboBox>("ComboBox2"), 11);
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 3);
    EXPECT_EQ(color(1), QStringLiteral("#DACFBC"));
    EXPECT_EQ(color(2), QStringLiteral("#B7AB9B"));
    EXPECT_EQ(swatchTip(), texture("nutki.jpg"));
    EXPECT_EQ(dialog_->textureStrip(), strip);
}

TEST_F(TextureFixture, MissingTextureChangesNothing) {
    ShopPage& page = newPage();
    Choose(find<QComboBox>("ComboBox2"), 2); // witraż, two columns
    find<QCheckBox>("CheckBox1")->setChecked(false);
    const QImage strip = dialog_->textureStrip();
    ASSERT_TRUE(QFile::remove(app_.startPath(QStringLiteral("textury/tryby.jpg"))));

    Choose(find<QComboBox>("ComboBox2"), 7);
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].kind, ScriptedPlatform::Kind::Error);
    EXPECT_TRUE(shown()[0].text.contains(QStringLiteral("tryby.jpg"))) << shown()[0].text.toStdString();
    EXPECT_EQ(swatchTip(), texture("witraż.jpg"));
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 1);
    EXPECT_EQ(dialog_->textureStrip(), strip);
    pressOk();
    EXPECT_EQ(page.Settings.ProductColumns, 2);
    EXPECT_FALSE(page.Settings.UseTexture);
}

TEST_F(TextureFixture, SmallPictureLeavesTheRestOfTheSwatchBlank) {
    newPage();
    QImage small(20, 30, QImage::Format_RGB32);
    small.fill(Qt::red);
    const QString path = app_.startPath(QStringLiteral("mała.png"));
    ASSERT_TRUE(small.save(path));
    ASSERT_TRUE(dialog_->loadTexture(path));
    const QImage strip = dialog_->textureStrip();
    EXPECT_EQ(QColor(strip.pixel(10, 10)), QColor(Qt::red));
    EXPECT_EQ(QColor(strip.pixel(30, 10)), QColor(Qt::white));
    EXPECT_EQ(QColor(strip.pixel(10, 40)), QColor(Qt::white));
    EXPECT_EQ(QColor(strip.pixel(1160, 110)), QColor(Qt::red));
    EXPECT_EQ(swatchTip(), path);
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked()); // loading alone does not switch it on
}

TEST_F(TextureFixture, UnreadablePictureOrUnwritableSwatchKeepsThePreviousTexture) {
    newPage();
    ASSERT_TRUE(dialog_->loadTexture(texture("gwiazdki.jpg")));
    const QImage strip = dialog_->textureStrip();

    const QString notPicture = app_.startPath(QStringLiteral("opis.jpg"));
    QFile file(notPicture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("to nie jest obrazek");
    file.close();
    EXPECT_FALSE(dialog_->loadTexture(notPicture));

    ASSERT_TRUE(QDir(app_.startDirectory()).mkdir(QStringLiteral("temp.bmp.d")));
    QFile::remove(app_.startPath(QStringLiteral("temp.bmp")));
    ASSERT_TRUE(QDir(app_.startDirectory()).rename(QStringLiteral("temp.bmp.d"), QStringLiteral("temp.bmp")));
    EXPECT_FALSE(dialog_->loadTexture(texture("nutki.jpg")));

    ASSERT_EQ(shown().size(), 2);
    EXPECT_TRUE(shown()[0].text.contains(notPicture));
    EXPECT_TRUE(shown()[1].text.contains(QStringLiteral("temp.bmp")));
    EXPECT_EQ(swatchTip(), texture("gwiazdki.jpg"));
    EXPECT_EQ(dialog_->textureStrip(), strip);
}

TEST_F(TextureFixture, TextureButtonAndSwatchAskForAPicture) {
    newPage();
    const QString clover = texture("koniczynka.jpg");
    app_.platform_.nextFileName.enqueue(clover);
    find<QPushButton>("SpeedButton2")->click();
    EXPECT_EQ(swatchTip(), clover);
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());

    const QString mesh = texture("siatka1.jpg");
    app_.platform_.nextFileName.enqueue(mesh);
    QTest::mouseDClick(find<QLabel>("ImageBufer"), Qt::LeftButton);
    EXPECT_EQ(swatchTip(), mesh);
    EXPECT_TRUE(shown().isEmpty());
}
