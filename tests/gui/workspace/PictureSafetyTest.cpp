#include "../../core/files/OrdinaryUser.h"
#include "ClaimedSizeJpeg.h"
#include "FifoGuard.h"
#include "PageFixture.h"
#include "gui/workspace/PictureBox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

using namespace targello;

namespace {

// Pictures chosen for an item are decoded away from the window's thread, and
// files that cannot be pictures are refused before anything reads them.
class PictureSafetyTest : public PageFixture {
protected:
    PictureBox* pictureBox(int k) {
        return qobject_cast<PictureBox*>(window_->editor(k, ItemField::Picture));
    }
    QColor shownColour(int k) { return QColor(pictureBox(k)->picture().pixel(66, 47)); }

    void choose(int k, const QString& path) {
        platform().nextFileName.enqueue(path);
        window_->loadItemPicture(k);
    }

    // Turns the event loop as the window would, without blocking it, until
    // `done` holds; false after 20 s. The longest time between two turns of
    // a 5 ms timer is kept in longestStallMs_.
    bool turnUntil(const std::function<bool()>& done) {
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer ticker;
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestStallMs_ = qMax(longestStallMs_, sinceTick.restart()); });
        ticker.start();
        QElapsedTimer total;
        total.start();
        while (!done() && total.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    qint64 longestStallMs_ = 0;
};

TEST_F(PictureSafetyTest, AChosenPictureIsDecodedInTheBackground) {
    openPage(1);
    const QString path = writePicture(QStringLiteral("zdjecie.jpg"), QSize(6000, 4000), Qt::red);
    page().MarkSaved();
    QSignalSpy changed(window_, &PageWindow::itemPictureChanged);
    choose(0, path);
    // The dialog has answered, and the window is free again before the picture is there.
    EXPECT_EQ(page().Item(0).Picture, ItemPicture::Placeholder);
    EXPECT_EQ(changed.count(), 0);
    ASSERT_TRUE(turnUntil([&] { return changed.count() == 1; }));
    RecordProperty("longest_stall_ms", static_cast<int>(longestStallMs_));
    EXPECT_EQ(changed[0][0].toInt(), 0);
    EXPECT_EQ(page().Item(0).PicturePath, path.toStdString());
    EXPECT_EQ(page().Item(0).Picture, ItemPicture::File);
    EXPECT_TRUE(page().Changed());
    EXPECT_GT(shownColour(0).red(), 240);
    EXPECT_LT(shownColour(0).green(), 16);
    EXPECT_TRUE(platform().shown.isEmpty());
}

TEST_F(PictureSafetyTest, APictureOfAThousandMegapixelsIsRefusedWithItsSize) {
    openPage(1);
    const QString blue = writePicture(QStringLiteral("niebieski.png"), QSize(200, 100), Qt::blue);
    choose(0, blue);
    settle();
    const QByteArray huge = JpegClaimingSize(32000, 32000);
    ASSERT_FALSE(huge.isEmpty());
    const QString path = writeFile(QStringLiteral("ogromny.jpg"), huge);

    choose(0, path);
    EXPECT_TRUE(platform().shown.isEmpty()) << "the file is looked at off the window's thread";
    ASSERT_TRUE(turnUntil([&] { return !platform().shown.isEmpty(); }));
    RecordProperty("longest_stall_ms", static_cast<int>(longestStallMs_));

    ASSERT_EQ(platform().shown.size(), 1);
    EXPECT_EQ(platform().shown[0].kind, ScriptedPlatform::Kind::Error);
    EXPECT_EQ(platform().shown[0].text,
              QStringLiteral("Nie można wczytać obrazka %1: obrazek za duży: 32000 × 32000 pikseli")
                  .arg(QDir::toNativeSeparators(path)));
    EXPECT_EQ(page().Item(0).PicturePath, blue.toStdString());
    EXPECT_EQ(shownColour(0), QColor(Qt::blue));
}

TEST_F(PictureSafetyTest, AFifoOrADeviceIsRefusedWithoutBeingOpened) {
    openPage(2);
    const QString fifo = files_.filePath(QStringLiteral("potok.jpg"));
    TARGELLO_SKIP_WITHOUT_FIFOS();
    FifoGuard guard(fifo);
    ASSERT_TRUE(guard.made());
    choose(0, fifo);
    choose(1, QStringLiteral("/dev/zero"));
    ASSERT_TRUE(turnUntil([&] { return platform().shown.size() == 2; }));
    QStringList texts{platform().shown[0].text, platform().shown[1].text};
    texts.sort();
    EXPECT_EQ(texts[0], QStringLiteral("Nie można wczytać obrazka /dev/zero: to nie jest zwykły plik"));
    EXPECT_EQ(texts[1], QStringLiteral("Nie można wczytać obrazka %1: to nie jest zwykły plik").arg(fifo));
    EXPECT_EQ(page().Item(0).Picture, ItemPicture::Placeholder);
    EXPECT_EQ(page().Item(1).Picture, ItemPicture::Placeholder);

    // A project naming the FIFO shows the missing picture, quietly.
    page().SetItemPicture(0, fifo.toStdString(), ItemPicture::File);
    window_->loadStoredPictures();
    ASSERT_TRUE(turnUntil([&] { return page().Item(0).Picture == ItemPicture::Missing; }));
    EXPECT_EQ(platform().shown.size(), 2);
    EXPECT_FALSE(guard.wasOpened());
}

TEST_F(PictureSafetyTest, AFileThatMayNotBeReadSaysSo) {
    openPage(1);
    const QString path = writePicture(QStringLiteral("tajny.png"), QSize(20, 20), Qt::red);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const targello::testing::OrdinaryUser user(QFileInfo(path).absolutePath().toStdString());
    if (!user.Problem().empty())
        GTEST_SKIP() << user.Problem();
    if (QFile(path).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user may read every file";
    choose(0, path);
    ASSERT_TRUE(turnUntil([&] { return !platform().shown.isEmpty(); }));
    EXPECT_EQ(platform().shown[0].text,
              QStringLiteral("Nie można wczytać obrazka %1: brak uprawnień").arg(path));
}

TEST_F(PictureSafetyTest, TheLastChoiceForAnItemWins) {
    openPage(1);
    const QString big = writePicture(QStringLiteral("duzy.jpg"), QSize(4000, 3000), Qt::red);
    const QString small = writePicture(QStringLiteral("maly.png"), QSize(30, 30), Qt::green);
    choose(0, big);
    choose(0, small);
    settle();
    ASSERT_TRUE(turnUntil([&] { return page().Item(0).Picture == ItemPicture::File; }));
    settle();
    EXPECT_EQ(page().Item(0).PicturePath, small.toStdString());
    EXPECT_EQ(shownColour(0), QColor(Qt::green));
}

} // namespace
