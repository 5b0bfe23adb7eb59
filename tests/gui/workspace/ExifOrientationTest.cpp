#include "gui/settings/TextureLoader.h"
#include "gui/workspace/PictureCache.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace targello;

namespace {

// An EXIF block holding only the orientation tag: a little-endian TIFF header
// and one directory entry (tag 0x0112, type SHORT, count 1, value 6: the
// camera was turned a quarter clockwise, so the picture is shown turned back).
QByteArray ExifTurnedClockwise() {
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray("II*\0\x08\0\0\0", 8);
    exif += QByteArray("\x01\0", 2);
    exif += QByteArray("\x12\x01\x03\0\x01\0\0\0\x06\0\0\0", 12);
    exif += QByteArray("\0\0\0\0", 4);
    return exif;
}

// A photo stored landscape, `width` × `height`, red above and blue below,
// taken with the camera upright on its side: shown upright it is portrait,
// blue on the left and red on the right.
QString WriteTurnedPhoto(const QString& path, int width, int height) {
    QImage stored(width, height, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width; ++x)
            stored.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(stored.save(&buffer, "JPG", 95));
    const QByteArray exif = ExifTurnedClockwise();
    QByteArray segment("\xFF\xE1", 2);
    segment += char((exif.size() + 2) >> 8);
    segment += char((exif.size() + 2) & 0xFF);
    segment += exif;
    jpeg.insert(2, segment); // right after the start-of-image marker
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jpeg);
    return path;
}

bool Near(QRgb pixel, Qt::GlobalColor expected) {
    const QColor a(pixel);
    const QColor b(expected);
    return qAbs(a.red() - b.red()) < 60 && qAbs(a.green() - b.green()) < 60 && qAbs(a.blue() - b.blue()) < 60;
}

} // namespace

TEST(ExifOrientation, TheFileReallyIsAPortraitPhotoStoredLandscape) {
    QTemporaryDir dir;
    const QString path = WriteTurnedPhoto(dir.filePath(QStringLiteral("telefon.jpg")), 800, 400);
    QImageReader reader(path);
    EXPECT_EQ(reader.transformation(), QImageIOHandler::TransformationRotate90);
    reader.setAutoTransform(true);
    const QImage upright = reader.read();
    ASSERT_FALSE(upright.isNull());
    EXPECT_GT(upright.height(), upright.width());
    EXPECT_TRUE(Near(upright.pixel(100, 400), Qt::blue));
    EXPECT_TRUE(Near(upright.pixel(300, 400), Qt::red));
}

TEST(ExifOrientation, AProductPictureIsShownUpright) {
    QTemporaryDir dir;
    const QString path = WriteTurnedPhoto(dir.filePath(QStringLiteral("telefon.jpg")), 2400, 1200);
    PictureCache cache;
    const QImage thumbnail = cache.loadNow(path);
    ASSERT_FALSE(thumbnail.isNull());
    ASSERT_EQ(thumbnail.size(), PictureCache::thumbnailSize());
    const int w = thumbnail.width();
    const int h = thumbnail.height();
    // Shown as stored, the top would be red and the bottom blue.
    EXPECT_TRUE(Near(thumbnail.pixel(w / 4, h / 4), Qt::blue));
    EXPECT_TRUE(Near(thumbnail.pixel(w / 4, 3 * h / 4), Qt::blue));
    EXPECT_TRUE(Near(thumbnail.pixel(3 * w / 4, h / 4), Qt::red));
    EXPECT_TRUE(Near(thumbnail.pixel(3 * w / 4, 3 * h / 4), Qt::red));
}

TEST(ExifOrientation, ATextureIsCutFromTheTopLeftOfTheUprightPicture) {
    QTemporaryDir dir;
    const QString path = WriteTurnedPhoto(dir.filePath(QStringLiteral("tekstura.jpg")), 400, 200);
    TextureImages texture;
    ASSERT_EQ(LoadTexture(path, dir.path(), texture), QString());
    EXPECT_TRUE(Near(texture.swatch.pixel(10, 10), Qt::blue));
    EXPECT_TRUE(Near(texture.swatch.pixel(40, 40), Qt::blue));
}
