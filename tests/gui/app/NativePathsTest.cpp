#include "MainWindowFixture.h"
#include "gui/workspace/PageWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace targello;

namespace {

class NativePathsTest : public MainWindowFixture {
protected:
    // A path of the start folder as the system's file dialog gives it: on
    // Windows with its drive letter and backslashes.
    QString native(const QString& name) const { return QDir::toNativeSeparators(startPath(name)); }
};

// Every file dialog's answer in the platform's own form, through folders with
// Polish letters and blanks: the picture, the saved and opened project, the
// exported shop.
TEST_F(NativePathsTest, DialogAnswersInThePlatformsFormReachTheirFiles) {
    const QString folder = QStringLiteral("Zażółć gęślą jaźń/Mój sklep");
    ASSERT_TRUE(QDir(startPath({})).mkpath(folder));
    const QString picture = native(folder + QStringLiteral("/miód lipowy.jpg"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARGELLO_EXAMPLE_PICTURES "/miod-lipowy.jpg"), picture));
#ifdef _WIN32
    ASSERT_EQ(picture.mid(1, 2), QStringLiteral(":\\")) << picture.toStdString();
#endif

    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    platform_.nextFileName.enqueue(picture);
    auto* pageWindow = qobject_cast<PageWindow*>(window_->subWindow(workspace().CurrentPage())->widget());
    ASSERT_NE(pageWindow, nullptr);
    pageWindow->loadItemPicture(0);
    ShopPage& page = *workspace().Current();
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.Item(0).Picture == ItemPicture::File; }, 5000));
    EXPECT_EQ(QString::fromStdString(page.Item(0).PicturePath), picture);

    const QString project = native(folder + QStringLiteral("/Spiżarnia Zosi.esk"));
    platform_.nextFileName.enqueue(project);
    ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojekt1"));
    ASSERT_TRUE(QFile::exists(project));

    const int pages = workspace().PageCount();
    platform_.nextFileName.enqueue(project);
    ASSERT_NO_FATAL_FAILURE(trigger("Otw1"));
    ASSERT_EQ(workspace().PageCount(), pages + 1);
    EXPECT_EQ(QString::fromStdString(workspace().Current()->Item(0).PicturePath), picture);

    platform_.nextFileName.enqueue(native(folder + QStringLiteral("/Strona ąę/sklep zosi")));
    ASSERT_TRUE(QDir(startPath(folder)).mkpath(QStringLiteral("Strona ąę")));
    ASSERT_NO_FATAL_FAILURE(trigger("WygenerujsklepHTML1"));
    const QString shop = startPath(folder + QStringLiteral("/Strona ąę/sklep zosi"));
    EXPECT_TRUE(QFile::exists(shop + QStringLiteral(".html")));
    EXPECT_TRUE(QFile::exists(shop + QStringLiteral("/miód lipowy.jpg")));
    EXPECT_TRUE(platform_.shown.isEmpty());
}

} // namespace
