#include "gui/app/StartScreen.h"

#include "MainWindowFixture.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/project/RecentProjectList.h"
#include "gui/settings/Wizard.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace targello;

namespace {

const QString SampleDir = QStringLiteral(TARGELLO_EXAMPLES_DIR);

class StartScreenTest : public MainWindowFixture {
protected:
    StartScreenTest() { window_->show(); }

    QPushButton* choice(const char* name) {
        auto* button = window_->startScreen().findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    bool shown() const { return window_->startScreen().isVisible(); }
    static QByteArray digest(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                   : QByteArray();
    }
};

TEST_F(StartScreenTest, OffersTheWaysInUntilTheFirstPageAndAgainAfterTheLast) {
    const struct {
        const char* name;
        const char* text;
    } choices[] = {{"StartKreator", "Nowy sklep z kreatorem"},
                   {"StartPusty", "Nowy pusty sklep"},
                   {"StartOtworz", "Otwórz projekt"},
                   {"StartPrzyklad", "Otwórz przykładowy sklep"}};
    ASSERT_TRUE(shown());
    for (const auto& c : choices) {
        QPushButton* button = choice(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(button->accessibleName(), QString::fromUtf8(c.text));
        EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0) << c.name;
    }

    choice("StartKreator")->click();
    EXPECT_TRUE(window_->wizard().isVisible());
    window_->wizard().hide();
    choice("StartOtworz")->click();
    ASSERT_EQ(platform_.dialogs.size(), 1);
    EXPECT_EQ(platform_.dialogs[0].caption, QStringLiteral("Otwórz projekt"));

    choice("StartPusty")->click();
    ASSERT_EQ(workspace().PageCount(), 1);
    EXPECT_FALSE(shown());
    window_->subWindow(0)->close();
    flushDeletes();
    EXPECT_TRUE(shown());
}

TEST_F(StartScreenTest, TheSampleShopOpensAsACopyThatSavingNeverOverwrites) {
    layOutSample(SampleDir);
    const QString sample = startPath(QStringLiteral("przyklad/sklep.esk"));
    const QByteArray before = digest(sample);
    choice("StartPrzyklad")->click();
    ASSERT_EQ(workspace().PageCount(), 1);
    const ShopPage& page = *workspace().Current();
    EXPECT_EQ(page.ItemCount(), 12);
    EXPECT_EQ(page.ProjectPath(), "");
    EXPECT_FALSE(page.Changed());
    EXPECT_EQ(QDir::fromNativeSeparators(QString::fromStdString(page.Item(0).PicturePath)),
              startPath(QStringLiteral("przyklad/obrazki/miod-lipowy.jpg")));
    EXPECT_TRUE(platform_.shown.isEmpty());

    // Saving asks for a file of the user's own.
    platform_.nextFileName.enqueue(QString());
    ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojekt1"));
    ASSERT_EQ(platform_.dialogs.size(), 1);
    EXPECT_EQ(digest(sample), before);
}

TEST_F(StartScreenTest, RecentProjectsAreListedByFileNameAndOpenWhenChosen) {
    ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
    const QString project = startPath(QStringLiteral("Spiżarnia Zosi.esk"));
    platform_.nextFileName.enqueue(project);
    ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojekt1"));
    window_->subWindow(workspace().CurrentPage())->close();
    flushDeletes();
    ASSERT_TRUE(shown());
    EXPECT_EQ(window_->startScreen().recent(), QStringList{project});
    QPushButton* recent = choice("StartOstatni1");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), QStringLiteral("Spiżarnia Zosi.esk"));
    EXPECT_EQ(recent->accessibleDescription(), project);
    recent->click();
    ASSERT_EQ(workspace().PageCount(), 1);
    EXPECT_EQ(QString::fromStdString(workspace().Current()->ProjectPath()), project);
}

} // namespace
