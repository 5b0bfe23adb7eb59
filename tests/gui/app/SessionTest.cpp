#include "KeepWorkFixture.h"
#include "core/session/RecoveryStore.h"
#include "gui/app/Autosave.h"
#include "gui/app/RecentMenu.h"
#include "gui/workspace/PageCanvas.h"
#include "gui/workspace/PictureFormats.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

using namespace targello;

namespace {

// No process has this id, so copies written under it are a crashed run's.
constexpr std::int64_t GoneProcess = 0x7ffffff0;

class SessionTest : public KeepWorkFixture {
protected:
    // A saved project with one item named `name`; its page is closed again.
    QString project(const QString& file, const QString& name) {
        addPage(1);
        type(0, ItemField::Name, name);
        const QString path = startPath(file);
        save(path);
        closePage(currentSlot());
        return path;
    }

    QStringList recentShown() {
        window_->recentMenu().refill();
        QStringList paths;
        for (QAction* item : window_->recentMenu().menu().actions())
            if (item->isEnabled())
                paths.append(item->data().toString());
        return paths;
    }

    static QMimeData* files(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data->setUrls(urls);
        return data;
    }

    // Drops `paths` on `target` at `point` as a file manager does; true when accepted.
    static bool drop(QWidget* target, QPoint point, const QStringList& paths) {
        std::unique_ptr<QMimeData> data(files(paths));
        QDragEnterEvent enter(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    }

    // The copies left by a crashed run, one page for each name, with one
    // item of that name; the first page belongs to "moj.esk".
    void leaveCopies(const QStringList& names) {
        ShopWorkspace other;
        RecoveryStore crashed(recoveryFolder().toStdString(), GoneProcess);
        for (const QString& name : names) {
            ShopPage* page = other.NewPage(ShopSettings{});
            page->InsertItem();
            page->SetItemName(0, name.toStdString());
            if (name == names.first())
                page->SetProjectPath(startPath(QStringLiteral("moj.esk")).toStdString());
            ASSERT_EQ(crashed.Write(*page).Error, "");
        }
    }
};

TEST_F(SessionTest, RecentProjectsAreMostRecentFirstAtMostEightAndAGoneOneIsDropped) {
    QStringList saved;
    for (int k = 1; k <= 9; ++k)
        ASSERT_NO_FATAL_FAILURE(
            saved.prepend(project(QStringLiteral("p%1.esk").arg(k), QStringLiteral("x"))));
    EXPECT_EQ(recentShown(), saved.mid(0, 8));

    // Opening an older one moves it first.
    ASSERT_TRUE(window_->recentMenu().menu().actions().value(3));
    window_->recentMenu().menu().actions().value(3)->trigger();
    EXPECT_EQ(workspace().PageCount(), 1);
    EXPECT_EQ(recentShown().first(), saved[3]);

    ASSERT_TRUE(QFile::remove(saved[0]));
    window_->recentMenu().menu().actions().value(1)->trigger();
    EXPECT_EQ(workspace().PageCount(), 1);
    ASSERT_FALSE(platform_.shown.isEmpty());
    EXPECT_TRUE(platform_.shown.last().text.contains(saved[0])) << platform_.shown.last().text.toStdString();
    EXPECT_FALSE(recentShown().contains(saved[0]));
    EXPECT_EQ(recentShown().size(), 7);
}

TEST_F(SessionTest, ProjectsOnTheCommandLineOpenAndABadOneIsReportedAsOpeningIt) {
    const QString first = project(QStringLiteral("a.esk"), QStringLiteral("Miod"));
    const QString second = project(QStringLiteral("b.esk"), QStringLiteral("Wosk"));
    const QString bad = startPath(QStringLiteral("notatka.txt"));
    QFile note(bad);
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("to nie projekt");
    note.close();

    platform_.nextFileName.enqueue(bad);
    ASSERT_NO_FATAL_FAILURE(trigger("Otw1"));
    ASSERT_EQ(platform_.shown.size(), 1);
    const QString openMessage = platform_.shown.last().text;

    window_->openProjects({first, bad, second});
    ASSERT_EQ(workspace().PageCount(), 2);
    EXPECT_EQ(workspace().Page(0)->Item(0).Name, "Produkt 1Miod");
    EXPECT_EQ(workspace().Page(1)->Item(0).Name, "Produkt 1Wosk");
    EXPECT_FALSE(workspace().Page(0)->Changed());
    ASSERT_EQ(platform_.shown.size(), 2);
    EXPECT_EQ(platform_.shown.last().text, openMessage);
}

TEST_F(SessionTest, ProjectsDroppedOnTheWindowOpen) {
    const QString first = project(QStringLiteral("a.esk"), QStringLiteral("Miod"));
    const QString second = project(QStringLiteral("b.esk"), QStringLiteral("Wosk"));
    EXPECT_FALSE(drop(window_.get(), QPoint(10, 10), {startPath(QStringLiteral("a.txt"))}));
    EXPECT_TRUE(drop(window_.get(), QPoint(10, 10), {first, second}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return workspace().PageCount() == 2; }, 5000));
    EXPECT_EQ(workspace().Page(1)->Item(0).Name, "Produkt 1Wosk");
}

TEST_F(SessionTest, APictureDroppedOnAProductLoadsAsChoosingItWould) {
    ASSERT_NO_FATAL_FAILURE(addPage(2));
    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("s.esk"))));
    auto* canvas = window_->currentPageWindow()->findChild<PageCanvas*>(QStringLiteral("PageCanvas"));
    ASSERT_NE(canvas, nullptr);
    const QPoint onPicture = canvas->fieldRect(1, ItemField::Picture).center();
    const QPoint onName = canvas->fieldRect(1, ItemField::Name).center();

    const QString picture = startPath(QStringLiteral("ul.png"));
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    ASSERT_TRUE(image.save(picture));
    EXPECT_FALSE(drop(canvas, onName, {picture}));
    EXPECT_TRUE(drop(canvas, onPicture, {picture}));
    EXPECT_TRUE(waitForPicture(1, picture));
    EXPECT_EQ(current().Item(1).PicturePath, picture.toStdString());
    EXPECT_EQ(current().Item(1).Picture, ItemPicture::File);
    EXPECT_TRUE(current().Changed());
    EXPECT_EQ(shownCaption(currentSlot()), QStringLiteral("Sklep 1 — s.esk*"));

    // A file that is no picture: the dialog's message, and the item keeps its picture.
    const QString broken = startPath(QStringLiteral("zly.jpg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("nie obrazek");
    file.close();
    EXPECT_TRUE(drop(canvas, onPicture, {broken}));
    (void)QTest::qWaitFor([&] { return platform_.shown.size() >= 1; }, 5000);
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_TRUE(platform_.shown.last().text.contains(QStringLiteral("zly.jpg")));
    EXPECT_EQ(current().Item(1).PicturePath, picture.toStdString());
    platform_.nextFileName.enqueue(broken);
    window_->currentPageWindow()->loadItemPicture(1);
    (void)QTest::qWaitFor([&] { return platform_.shown.size() >= 2; }, 5000);
    ASSERT_EQ(platform_.shown.size(), 2);
    EXPECT_EQ(platform_.shown[1].text, platform_.shown[0].text);
}

TEST_F(SessionTest, ACrashedRunsPagesAreOfferedAndOpenMarkedAsChanged) {
    ASSERT_NO_FATAL_FAILURE(leaveCopies({QStringLiteral("Miód lipowy"), QStringLiteral("Wosk")}));
    platform_.nextAnswer.enqueue(QStringLiteral("Odzyskaj"));
    platform_.nextAnswer.enqueue(QStringLiteral("Odrzuć"));
    window_->startUp({});
    ASSERT_EQ(platform_.questions.size(), 2);
    EXPECT_TRUE(platform_.questions[0].contains(QStringLiteral("„Sklep 1”")));
    EXPECT_TRUE(platform_.questions[0].contains(startPath(QStringLiteral("moj.esk"))));
    ASSERT_EQ(workspace().PageCount(), 1);
    EXPECT_EQ(current().Item(0).Name, "Miód lipowy");
    EXPECT_TRUE(current().Changed());
    EXPECT_EQ(shownCaption(currentSlot()), QStringLiteral("Sklep 1 — moj.esk*"));
    // The save dialog starts on the user's own file.
    ASSERT_NO_FATAL_FAILURE(save(QString()));
    EXPECT_EQ(platform_.dialogs.last().start, startPath(QStringLiteral("moj.esk")));

    // The recovered page has its own copy; the declined one is gone. Both
    // happen in the background.
    window_->autosave().queue().waitForIdle();
    EXPECT_EQ(recoveryFiles().filter(QStringLiteral(".esk")).size(), 1);
    platform_.nextAnswer.enqueue(QStringLiteral("Nie zapisuj"));
    EXPECT_TRUE(window_->close());
    EXPECT_TRUE(recoveryFiles().isEmpty());
}

TEST_F(SessionTest, ADamagedCopyIsSkippedWithAMessage) {
    ASSERT_NO_FATAL_FAILURE(leaveCopies({QStringLiteral("Miód")}));
    const QString folder = recoveryFolder();
    const QStringList copies = QDir(folder).entryList({QStringLiteral("*.esk")}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    QFile copy(folder + QLatin1Char('/') + copies.first());
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write("\x01\x02 uszkodzony");
    copy.close();

    window_->startUp({});
    EXPECT_EQ(workspace().PageCount(), 0);
    EXPECT_TRUE(platform_.questions.isEmpty());
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_EQ(platform_.shown.first().kind, ScriptedPlatform::Kind::Error);
}

TEST_F(SessionTest, ARecoveryFolderThatCannotBeWrittenIsReportedOnceAndEditingGoesOn) {
    QDir().mkpath(QFileInfo(recoveryFolder()).path());
    QFile blocker(recoveryFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    ASSERT_NO_FATAL_FAILURE(addPage(1));
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    // QTRY_ macros report to QtTest, not to GoogleTest: wait, then assert.
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform_.shown.size() == 1; }, 5000));
    EXPECT_TRUE(platform_.shown.first().text.contains(QStringLiteral("kopii zapasowej")));
    ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Name, QStringLiteral("dalej")));
    QTest::qWait(2500);
    EXPECT_EQ(platform_.shown.size(), 1);
    EXPECT_NE(current().Item(0).Name.find("dalej"), std::string::npos);
}

} // namespace

namespace {

TEST_F(SessionTest, EachKindOfFileDialogStartsWhereItsLastFileWasChosen) {
    ASSERT_NO_FATAL_FAILURE(addPage(2));
    ASSERT_TRUE(QDir(start_.path()).mkpath(QStringLiteral("zdjecia")));
    const QString picture = startPath(QStringLiteral("zdjecia/ul.png"));
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));

    platform_.nextFileName.enqueue(picture);
    window_->currentPageWindow()->loadItemPicture(0);
    window_->currentPageWindow()->loadItemPicture(1); // cancelled
    EXPECT_EQ(platform_.dialogs.last().start, startPath(QStringLiteral("zdjecia")));
    // Another kind keeps its own folder.
    ASSERT_NO_FATAL_FAILURE(trigger("Otw1"));
    EXPECT_EQ(platform_.dialogs.last().start, QString());
    // The folders outlive the window, as preferences do.
    window_.reset();
    window_ = std::make_unique<MainWindow>(platform_);
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    window_->currentPageWindow()->loadItemPicture(0);
    EXPECT_EQ(platform_.dialogs.last().start, startPath(QStringLiteral("zdjecia")));
}

} // namespace
