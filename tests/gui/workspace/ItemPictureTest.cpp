#include "PageFixture.h"
#include "gui/workspace/PictureBox.h"

#include <QSignalSpy>

using namespace targello;

namespace {

using Kind = ScriptedPlatform::Kind;

class ItemPictureTest : public PageFixture {
protected:
    PictureBox* pictureBox(int k) {
        return qobject_cast<PictureBox*>(window_->editor(k, ItemField::Picture));
    }
    QColor shownColour(int k) { return QColor(pictureBox(k)->picture().pixel(66, 47)); }
};

TEST_F(ItemPictureTest, ACancelledDialogChangesNothing) {
    openPage(1);
    window_->loadItemPicture(0);
    settle();
    ASSERT_EQ(platform().dialogs.size(), 1);
    EXPECT_TRUE(platform().dialogs[0].filter.contains(QStringLiteral("*.jpg")));
    EXPECT_TRUE(platform().dialogs[0].filter.contains(QStringLiteral("*.png")));
    EXPECT_EQ(page().Item(0).PicturePath, "Kliknij aby wczytać obrazek");
    EXPECT_EQ(page().Item(0).Picture, ItemPicture::Placeholder);
    EXPECT_EQ(pictureBox(0)->toolTip(), QStringLiteral("Kliknij aby wczytać obrazek"));
    EXPECT_TRUE(platform().shown.isEmpty());
}

TEST_F(ItemPictureTest, AChosenPictureIsShownAndItsPathBecomesTheTooltip) {
    openPage(2);
    const QString path = writePicture(QStringLiteral("czerwony.png"), QSize(800, 600), Qt::red);
    platform().nextFileName.enqueue(path);
    window_->loadItemPicture(1);
    settle();
    EXPECT_EQ(page().Item(1).PicturePath, path.toStdString());
    EXPECT_EQ(page().Item(1).Picture, ItemPicture::File);
    EXPECT_EQ(pictureBox(1)->toolTip(), path);
    EXPECT_EQ(pictureBox(1)->statusTip(), path);
    EXPECT_EQ(pictureBox(1)->picture().size(), QSize(133, 94));
    EXPECT_EQ(shownColour(1), QColor(Qt::red));
    EXPECT_EQ(page().Item(0).Picture, ItemPicture::Placeholder);
    EXPECT_TRUE(platform().shown.isEmpty());
}

TEST_F(ItemPictureTest, AnUnreadablePictureShowsTheErrorAndKeepsThePrevious) {
    openPage(1);
    const QString good = writePicture(QStringLiteral("niebieski.png"), QSize(200, 100), Qt::blue);
    platform().nextFileName.enqueue(good);
    window_->loadItemPicture(0);
    settle();
    const QString broken = writeFile(QStringLiteral("zepsuty.jpg"), QByteArray("to nie jest obrazek"));
    platform().nextFileName.enqueue(broken);
    window_->loadItemPicture(0);
    settle();

    ASSERT_EQ(platform().shown.size(), 1);
    EXPECT_EQ(platform().shown[0].kind, Kind::Error);
    EXPECT_TRUE(platform().shown[0].text.startsWith(QStringLiteral("Nie można wczytać obrazka ")));
    EXPECT_TRUE(platform().shown[0].text.contains(QDir::toNativeSeparators(broken)));
    EXPECT_EQ(page().Item(0).PicturePath, good.toStdString());
    EXPECT_EQ(page().Item(0).Picture, ItemPicture::File);
    EXPECT_EQ(shownColour(0), QColor(Qt::blue));
    EXPECT_EQ(pictureBox(0)->toolTip(), good);
}

TEST_F(ItemPictureTest, AMissingFileIsReportedInPolish) {
    openPage(1);
    platform().nextFileName.enqueue(files_.filePath(QStringLiteral("nie-ma.jpg")));
    window_->loadItemPicture(0);
    settle();
    ASSERT_EQ(platform().shown.size(), 1);
    EXPECT_TRUE(platform().shown[0].text.endsWith(QStringLiteral(": plik nie istnieje")));
    EXPECT_EQ(page().Item(0).Picture, ItemPicture::Placeholder);
}

TEST_F(ItemPictureTest, OnlyADoubleClickAsksForAPicture) {
    openPage(1);
    QTest::mouseClick(pictureBox(0), Qt::LeftButton);
    EXPECT_TRUE(platform().dialogs.isEmpty());
    EXPECT_EQ(pictureBox(0)->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseDClick(pictureBox(0), Qt::LeftButton);
    EXPECT_EQ(platform().dialogs.size(), 1);
}

TEST_F(ItemPictureTest, ADoubleClickOnAPaintedPictureAsksToo) {
    openPage(30);
    ASSERT_EQ(canvas().existingEditor(29, ItemField::Picture), nullptr);
    const QPoint picture = canvas().fieldRect(29, ItemField::Picture).center();
    QTest::mouseClick(&canvas(), Qt::LeftButton, Qt::NoModifier, picture);
    EXPECT_TRUE(platform().dialogs.isEmpty());
    const QString path = writePicture(QStringLiteral("zielony.png"), QSize(50, 50), Qt::green);
    platform().nextFileName.enqueue(path);
    QTest::mouseDClick(&canvas(), Qt::LeftButton, Qt::NoModifier, picture);
    EXPECT_EQ(platform().dialogs.size(), 1);
    settle();
    EXPECT_EQ(page().Item(29).PicturePath, path.toStdString());
}

TEST_F(ItemPictureTest, StoredPicturesThatCannotBeLoadedBecomeMissingWithoutAMessage) {
    openPage(3);
    const QString good = writePicture(QStringLiteral("zolty.jpg"), QSize(1600, 1200), Qt::yellow);
    const QString gone = files_.filePath(QStringLiteral("usuniety.jpg"));
    page().Item(0).PicturePath = good.toStdString();
    page().Item(1).PicturePath = gone.toStdString();
    // An item saved without a chosen picture stores the prompt as its path.
    for (int k = 0; k < 3; ++k)
        page().Item(k).Picture = ItemPicture::File;
    window_->loadStoredPictures();
    for (int round = 0; round < 100 && page().Item(2).Picture == ItemPicture::File; ++round)
        settle();

    EXPECT_EQ(page().Item(0).Picture, ItemPicture::File);
    EXPECT_EQ(page().Item(1).Picture, ItemPicture::Missing);
    EXPECT_EQ(page().Item(1).PicturePath, gone.toStdString());
    EXPECT_EQ(page().Item(2).Picture, ItemPicture::Missing);
    EXPECT_EQ(page().Item(2).PicturePath, "Kliknij aby wczytać obrazek");
    EXPECT_TRUE(platform().shown.isEmpty());
    const QColor yellowish = shownColour(0);
    EXPECT_GT(yellowish.red(), 240);
    EXPECT_LT(yellowish.blue(), 20);
    EXPECT_EQ(pictureBox(1)->picture(), app_.pictures().missing());
    EXPECT_EQ(pictureBox(1)->toolTip(), gone);
}

TEST_F(ItemPictureTest, RemovalKeepsEachItemsPicture) {
    openPage(3);
    const QString red = writePicture(QStringLiteral("r.png"), QSize(40, 40), Qt::red);
    const QString blue = writePicture(QStringLiteral("b.png"), QSize(40, 40), Qt::blue);
    platform().nextFileName.enqueue(red);
    window_->loadItemPicture(0);
    settle();
    platform().nextFileName.enqueue(blue);
    window_->loadItemPicture(2);
    settle();
    page().RemoveItems({true, false, false});
    page().LayoutItems(page().Settings.ProductColumns);
    window_->relayout();
    settle();
    EXPECT_EQ(pictureBox(0)->picture(), app_.pictures().placeholder());
    EXPECT_EQ(shownColour(1), QColor(Qt::blue));
    EXPECT_EQ(pictureBox(1)->toolTip(), blue);
}

} // namespace
