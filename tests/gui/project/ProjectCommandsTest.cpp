#include "gui/project/ProjectCommands.h"

#include "MainWindowFixture.h"
#include "gui/generator/GeneratorCommands.h"
#include "gui/workspace/PageWindow.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTest>

using namespace targello;

namespace {

class ProjectCommandsTest : public MainWindowFixture {
protected:
    // A new page with `count` items; call through ASSERT_NO_FATAL_FAILURE.
    void addPageWithItems(int count) {
        ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
        for (int k = 0; k < count; ++k)
            ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    }
    ShopPage& current() { return *workspace().Current(); }

    // Call through ASSERT_NO_FATAL_FAILURE.
    void save(const QString& name) {
        platform_.nextFileName.enqueue(name);
        ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojektjako1"));
    }

    ShopPage* open(const QString& name) {
        const int before = workspace().PageCount();
        platform_.nextFileName.enqueue(name);
        auto* action = window_->findChild<QAction*>(QStringLiteral("Otw1"));
        action->trigger();
        return workspace().PageCount() > before ? workspace().Current() : nullptr;
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ProjectCommandsTest, SavedPagesOpenAsEqualIndependentPages) {
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(3));
    ShopPage& page = current();
    page.Item(0).Name = "Żółty kubek";
    page.Item(1).Price = "12,50";
    page.Item(2).Description = "dwie\r\nlinie";
    page.Settings.ShopTitle = "Sklep Zosi";
    page.Settings.MenuLinks[0] = {"Start", "C:\\sklep\\index.htm"};
    page.Settings.MenuLinks[29] = {"ukryty", "x.htm"};
    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("projekt"))));
    ASSERT_TRUE(QFile::exists(startPath(QStringLiteral("projekt.esk"))));
    EXPECT_TRUE(platform_.shown.isEmpty());

    ShopPage* first = open(startPath(QStringLiteral("projekt.esk")));
    ShopPage* second = open(startPath(QStringLiteral("projekt.esk")));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->Settings, page.Settings);
    ASSERT_EQ(first->ItemCount(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(first->Item(k).Name, page.Item(k).Name);
        EXPECT_EQ(first->Item(k).Price, page.Item(k).Price);
        EXPECT_EQ(first->Item(k).Description, page.Item(k).Description);
        EXPECT_EQ(first->Item(k).PicturePath, page.Item(k).PicturePath);
    }
    // A picture never chosen cannot be loaded: the missing picture, no message.
    EXPECT_TRUE(QTest::qWaitFor([&] { return first->Item(2).Picture == ItemPicture::Missing; }, 5000));
    EXPECT_EQ(first->Item(2).PicturePath, "Kliknij aby wczytać obrazek");
    EXPECT_TRUE(platform_.shown.isEmpty());

    second->Item(0).Name = "zmieniony";
    EXPECT_EQ(first->Item(0).Name, "Żółty kubek");
}

TEST_F(ProjectCommandsTest, AStoredPriceThatIsNoAmountBecomesZeroWithOneWarning) {
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(2));
    ShopPage& page = current();
    page.Item(1).Price = "12.50";
    page.Settings.ProductColumns = 3;
    page.LayoutItems(3);
    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("ceny.esk"))));
    ShopPage* opened = open(startPath(QStringLiteral("ceny.esk")));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Item(1).Price, "0,00");
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_EQ(platform_.shown.last().caption, QStringLiteral("uwaga !"));
    EXPECT_EQ(platform_.shown.last().text, QStringLiteral("Nieprawidłowy wpis kwoty"));
    // Three columns: the second item sits in the second cell without a relayout.
    EXPECT_EQ(opened->Item(1).X, 300);
    EXPECT_EQ(opened->Settings.ProductColumns, 3);
}

TEST_F(ProjectCommandsTest, AStoredOrderAddressThatTakesNoOrdersIsNotedAndThePageOpens) {
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(1));
    current().Settings.OrderEmail = "zosia.spizarnia.pl";
    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("adres.esk"))));
    ShopPage* opened = open(startPath(QStringLiteral("adres.esk")));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Settings.OrderEmail, "zosia.spizarnia.pl");
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_EQ(platform_.shown[0].kind, ScriptedPlatform::Kind::Message);
    EXPECT_EQ(platform_.shown[0].text,
              QStringLiteral("Pole „adres e-mail na który będzie przesyłane zamówienie”: brak znaku „@”.\n"
                             "Popraw adres w oknie „Ustawienia”, zanim opublikujesz sklep."));
}

TEST_F(ProjectCommandsTest, CancelledDialogsWriteAndOpenNothing) {
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(1));
    ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojektjako1"));
    EXPECT_EQ(QDir(start_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    EXPECT_EQ(open(QString()), nullptr);
    EXPECT_EQ(workspace().PageCount(), 1);
}

TEST_F(ProjectCommandsTest, APageThatDoesNotFitTheFileIsRefusedBeforeTheDialog) {
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(2));
    ShopPage& page = current();
    page.Item(1).Name = "茶";
    ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojektjako1"));
    EXPECT_TRUE(platform_.dialogs.isEmpty());
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_TRUE(platform_.shown.last().text.contains(QStringLiteral("2")))
        << platform_.shown.last().text.toStdString();
}

TEST_F(ProjectCommandsTest, ADamagedFileOpensNoPage) {
    QFile damaged(startPath(QStringLiteral("zly.esk")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(100, '\x01'));
    damaged.close();
    EXPECT_EQ(open(startPath(QStringLiteral("zly.esk"))), nullptr);
    EXPECT_EQ(workspace().PageCount(), 0);
    ASSERT_EQ(platform_.shown.size(), 1);
    EXPECT_TRUE(platform_.shown.last().text.contains(QStringLiteral("zly.esk")));
}

TEST_F(ProjectCommandsTest, OpeningAtThePageLimitChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(0));
    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("pusty.esk"))));
    for (int k = 1; k < 100; ++k)
        window_->newPage();
    EXPECT_EQ(open(startPath(QStringLiteral("pusty.esk"))), nullptr);
    EXPECT_EQ(workspace().PageCount(), 100);
    EXPECT_EQ(platform_.shown.last().text, QStringLiteral("Ilość projektów nie może przekraczać 100"));
}

TEST_F(ProjectCommandsTest, TheCommandLineExportWritesWhatTheProgramWrites) {
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(3));
    ShopPage& page = current();
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(startPath(QStringLiteral("kubek.jpg"))));
    page.Item(0).PicturePath = startPath(QStringLiteral("kubek.jpg")).toStdString();
    page.Item(1).Name = "Łódź \"Żagiel\"";
    page.Item(2).Price = "1,5e2";
    page.Settings.MenuLinks[0] = {"Strona główna", startPath(QStringLiteral("index.htm")).toStdString()};
    page.Settings.OrderEmail = "zamowienia@example.com";
    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("sklep.esk"))));

    ASSERT_NE(open(startPath(QStringLiteral("sklep.esk"))), nullptr);
    QTemporaryDir gui;
    QTemporaryDir cli;
    ASSERT_TRUE(WriteShop(*window_, QStringLiteral("sklep"), gui.filePath(QStringLiteral("sklep.html"))));
    QProcess exporter;
    exporter.setWorkingDirectory(cli.path());
    exporter.start(QStringLiteral(TARGELLO_EXPORT_PROGRAM),
                   {startPath(QStringLiteral("sklep.esk")), QStringLiteral("sklep.html")});
    ASSERT_TRUE(exporter.waitForFinished(30000));
    EXPECT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
    // Links are relative to the page's folder; the two folders differ only in name.
    QByteArray fromGui = contents(gui.filePath(QStringLiteral("sklep.html")));
    QByteArray fromCli = contents(cli.filePath(QStringLiteral("sklep.html")));
    ASSERT_FALSE(fromGui.isEmpty());
    EXPECT_EQ(fromCli, fromGui);
    EXPECT_EQ(contents(cli.filePath(QStringLiteral("sklep/kubek.jpg"))),
              contents(startPath(QStringLiteral("kubek.jpg"))));
}

TEST_F(ProjectCommandsTest, AnOpenedProjectPutsTheFocusOnItsFirstItem) {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_NO_FATAL_FAILURE(addPageWithItems(30));
    current().Item(0).Name = "Miód gryczany z pasieki pod lasem 400 g";
    ASSERT_NO_FATAL_FAILURE(save(startPath(QStringLiteral("miody"))));
    ASSERT_NE(open(startPath(QStringLiteral("miody.esk"))), nullptr);
    PageWindow* opened = window_->currentPageWindow();
    ASSERT_TRUE(QTest::qWaitFor([opened] {
        // Once the page has settled in its frame.
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return box != nullptr && opened->isAncestorOf(box);
    }));
    auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->text(), QStringLiteral("Miód gryczany z pasieki pod lasem 400 g"));
    EXPECT_EQ(focus->selectedText(), focus->text()) << "typing replaces it";
    EXPECT_EQ(focus->cursorPosition(), 0) << "the long name shows its beginning";
    EXPECT_EQ(opened->verticalScrollBar()->value(), 0);
}

} // namespace
