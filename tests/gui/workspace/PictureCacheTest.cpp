#include "gui/workspace/PictureCache.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace targello;

namespace {

class PictureCacheTest : public ::testing::Test {
protected:
    QString write(const QString& name, QSize size, QColor color, const char* format = nullptr) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    QTemporaryDir dir_;
    PictureCache cache_;
};

TEST_F(PictureCacheTest, ALargePhotoIsDecodedAtTheShownSize) {
    const QString path = write(QStringLiteral("duze.jpg"), QSize(4000, 3000), Qt::darkGreen);
    const QImage thumbnail = cache_.loadNow(path);
    ASSERT_FALSE(thumbnail.isNull());
    EXPECT_EQ(thumbnail.size(), QSize(133, 94));
    EXPECT_LT(thumbnail.sizeInBytes(), 60 * 1024);
}

TEST_F(PictureCacheTest, OneFileGivesOneSharedThumbnailUntilItChanges) {
    const QString path = write(QStringLiteral("a.png"), QSize(300, 200), Qt::red);
    const QImage first = cache_.loadNow(path);
    EXPECT_EQ(cache_.loadNow(path).cacheKey(), first.cacheKey());
    EXPECT_EQ(cache_.request(path).cacheKey(), first.cacheKey());

    // The same name with other contents (another size) is a new picture.
    write(QStringLiteral("a.png"), QSize(301, 200), Qt::blue);
    const QImage changed = cache_.loadNow(path);
    EXPECT_NE(changed.cacheKey(), first.cacheKey());
    EXPECT_EQ(QColor(changed.pixel(10, 10)), QColor(Qt::blue));
}

TEST_F(PictureCacheTest, BackgroundDecodesAnswerOnTheGuiThreadOncePerFile) {
    const QString path = write(QStringLiteral("b.jpg"), QSize(1200, 900), Qt::white);
    QSignalSpy ready(&cache_, &PictureCache::thumbnailReady);
    EXPECT_TRUE(cache_.request(path).isNull());
    EXPECT_TRUE(cache_.request(path).isNull()) << "a second page asking waits for the same decode";
    cache_.waitForBackgroundWork();
    EXPECT_EQ(ready.count(), 0) << "results arrive through the event loop";
    QCoreApplication::processEvents();
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(ready[0][0].toString(), path);
    EXPECT_EQ(ready[0][1].value<QImage>().size(), QSize(133, 94));
    EXPECT_FALSE(cache_.request(path).isNull());
}

TEST_F(PictureCacheTest, AFailedBackgroundDecodeSaysWhy) {
    QFile junk(dir_.filePath(QStringLiteral("c.png")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("nie obrazek");
    junk.close();
    QSignalSpy failed(&cache_, &PictureCache::thumbnailFailed);
    cache_.request(junk.fileName());
    cache_.waitForBackgroundWork();
    QCoreApplication::processEvents();
    ASSERT_EQ(failed.count(), 1);
    EXPECT_FALSE(failed[0][1].toString().isEmpty());
    QString reason;
    EXPECT_TRUE(cache_.loadNow(dir_.filePath(QStringLiteral("brak.png")), &reason).isNull());
    EXPECT_EQ(reason, QStringLiteral("plik nie istnieje"));
}

TEST_F(PictureCacheTest, ThePlaceholderAndTheMissingPictureAreDrawnAtTheItemSize) {
    EXPECT_EQ(cache_.placeholder().size(), QSize(133, 94));
    EXPECT_EQ(cache_.missing().size(), QSize(133, 94));
    EXPECT_NE(cache_.placeholder(), cache_.missing());
}

} // namespace
