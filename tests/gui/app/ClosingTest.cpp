#include "KeepWorkFixture.h"
#include "gui/workspace/PageCanvas.h"
#include "gui/workspace/RemovalDialog.h"

#include <QFile>
#include <QImage>
#include <QListWidget>

using namespace targello;

namespace {

class ClosingTest : public KeepWorkFixture {
protected:
    const QString question = QStringLiteral("Projekt „Sklep 1” ma niezapisane zmiany. Zapisać je?");
    // Saves the current page and checks that the mark went.
    void saveAndCheck(const char* after) {
        save(startPath(QStringLiteral("sklep.esk")));
        EXPECT_EQ(shownCaption(0), QStringLiteral("Sklep 1 — sklep.esk")) << after;
        EXPECT_FALSE(current().Changed()) << after;
    }
    void expectMarked(const char* after) {
        const QString file = current().ProjectPath().empty() ? QString() : QStringLiteral(" — sklep.esk");
        EXPECT_EQ(shownCaption(0), QStringLiteral("Sklep 1") + file + QLatin1Char('*')) << after;
    }
};

TEST_F(ClosingTest, EveryKindOfChangeMarksThePageUntilItIsSaved) {
    ASSERT_NO_FATAL_FAILURE(addPage(0));
    EXPECT_EQ(shownCaption(0), QStringLiteral("Sklep 1"));
    ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    expectMarked("insert");
    saveAndCheck("insert");

    ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Name, QStringLiteral("Miod")));
    expectMarked("name");
    saveAndCheck("name");
    ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Price, QStringLiteral("5")));
    expectMarked("price");
    saveAndCheck("price");
    ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Description, QStringLiteral("lipowy")));
    expectMarked("description");
    saveAndCheck("description");

    const QString picture = startPath(QStringLiteral("miod.png"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    ASSERT_TRUE(image.save(picture));
    platform_.nextFileName.enqueue(picture);
    window_->currentPageWindow()->loadItemPicture(1);
    EXPECT_TRUE(waitForPicture(1, picture));
    expectMarked("picture");
    saveAndCheck("picture");

    ASSERT_TRUE(window_->options().applyOptionsToPage());
    expectMarked("options");
    saveAndCheck("options");

    window_->removalDialog().fillList();
    window_->removalDialog().list().item(0)->setCheckState(Qt::Checked);
    window_->removalDialog().removeItems();
    EXPECT_EQ(current().ItemCount(), 1);
    expectMarked("removal");
    saveAndCheck("removal");
}

TEST_F(ClosingTest, AnOpenedProjectIsUnmarkedAndItsSaveDialogStartsOnItsFile) {
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    const QString path = startPath(QStringLiteral("miód.esk"));
    ASSERT_NO_FATAL_FAILURE(save(path));
    // The first save of a new page starts where nothing was chosen yet.
    EXPECT_EQ(platform_.dialogs.last().start, QString());

    platform_.nextFileName.enqueue(path);
    ASSERT_NO_FATAL_FAILURE(trigger("Otw1"));
    ASSERT_EQ(workspace().PageCount(), 2);
    EXPECT_EQ(shownCaption(currentSlot()), QStringLiteral("Sklep 2 — miód.esk"));
    EXPECT_FALSE(current().Changed());
    // The open dialog started in the folder of the last project chosen.
    EXPECT_EQ(platform_.dialogs.last().start, start_.path());

    ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Name, QStringLiteral("x")));
    ASSERT_NO_FATAL_FAILURE(save(path));
    EXPECT_EQ(platform_.dialogs.last().start, path);
    EXPECT_FALSE(current().Changed());
}

TEST_F(ClosingTest, SaveWritesThePagesOwnFileAndSaveAsAlwaysAsks) {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    const QString own = startPath(QStringLiteral("Spiżarnia Zosi.esk"));
    // Each row: the caption after an edit, the keys pressed, the file the
    // dialog is answered with ("": no dialog may be asked), the file written.
    const struct {
        const char* marked;
        QKeyCombination keys;
        const char* answer;
        const char* written;
    } steps[] = {
        {"Sklep 1*", Qt::CTRL | Qt::Key_S, "Spiżarnia Zosi.esk", "Spiżarnia Zosi.esk"},
        {"Sklep 1 — Spiżarnia Zosi.esk*", Qt::CTRL | Qt::Key_S, "", "Spiżarnia Zosi.esk"},
        {"Sklep 1 — Spiżarnia Zosi.esk*", Qt::CTRL | Qt::Key_Z, "", "Spiżarnia Zosi.esk"},
        {"Sklep 1 — Spiżarnia Zosi.esk*", Qt::CTRL | Qt::SHIFT | Qt::Key_S, "zapas.esk", "zapas.esk"},
        {"Sklep 1 — zapas.esk*", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "Spiżarnia Zosi.esk",
         "Spiżarnia Zosi.esk"},
    };
    for (const auto& step : steps) {
        ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Name, QStringLiteral("a")));
        EXPECT_EQ(shownCaption(0), QString::fromUtf8(step.marked));
        const qsizetype dialogs = platform_.dialogs.size();
        const QString asked = QString::fromUtf8(step.answer);
        if (!asked.isEmpty())
            platform_.nextFileName.enqueue(startPath(asked));
        QTest::keyClick(window_->currentPageWindow()->editor(0, ItemField::Name), step.keys.key(),
                        step.keys.keyboardModifiers());
        EXPECT_EQ(platform_.dialogs.size(), dialogs + (asked.isEmpty() ? 0 : 1)) << step.marked;
        EXPECT_TRUE(platform_.nextFileName.isEmpty());
        const QString written = QString::fromUtf8(step.written);
        EXPECT_EQ(shownCaption(0), QStringLiteral("Sklep 1 — ") + written);
        EXPECT_FALSE(current().Changed());
        EXPECT_EQ(QString::fromStdString(current().ProjectPath()), startPath(written));
    }
    EXPECT_EQ(platform_.dialogs.last().start, startPath(QStringLiteral("zapas.esk")));
    EXPECT_TRUE(QFile::exists(own));

    // An opened project saves into its file at once.
    platform_.nextFileName.enqueue(own);
    ASSERT_NO_FATAL_FAILURE(trigger("Otw1"));
    EXPECT_EQ(shownCaption(currentSlot()), QStringLiteral("Sklep 2 — Spiżarnia Zosi.esk"));
    const qsizetype dialogs = platform_.dialogs.size();
    ASSERT_NO_FATAL_FAILURE(type(0, ItemField::Name, QStringLiteral("b")));
    ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojekt1"));
    EXPECT_EQ(platform_.dialogs.size(), dialogs);
    EXPECT_FALSE(current().Changed());
}

TEST_F(ClosingTest, ClosingAChangedPageAsksAndKeepsItUnlessSavedOrGivenUp) {
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    platform_.nextAnswer.enqueue(QStringLiteral("Anuluj"));
    EXPECT_FALSE(closePage(0));
    ASSERT_EQ(platform_.questions, QStringList{question});
    EXPECT_EQ(workspace().PageCount(), 1);

    // "Zapisz", then the save dialog cancelled: the page stays.
    platform_.nextAnswer.enqueue(QStringLiteral("Zapisz"));
    platform_.nextFileName.enqueue(QString());
    EXPECT_FALSE(closePage(0));
    EXPECT_EQ(workspace().PageCount(), 1);

    // "Zapisz" into a folder that does not exist: the error, and the page stays.
    platform_.nextAnswer.enqueue(QStringLiteral("Zapisz"));
    platform_.nextFileName.enqueue(startPath(QStringLiteral("brak/sklep.esk")));
    EXPECT_FALSE(closePage(0));
    EXPECT_EQ(workspace().PageCount(), 1);
    ASSERT_FALSE(platform_.shown.isEmpty());
    EXPECT_EQ(platform_.shown.last().kind, ScriptedPlatform::Kind::Error);
    EXPECT_TRUE(current().Changed());

    platform_.nextAnswer.enqueue(QStringLiteral("Zapisz"));
    platform_.nextFileName.enqueue(startPath(QStringLiteral("sklep.esk")));
    EXPECT_TRUE(closePage(0));
    EXPECT_EQ(workspace().PageCount(), 0);
    EXPECT_TRUE(QFile::exists(startPath(QStringLiteral("sklep.esk"))));
    EXPECT_EQ(platform_.questions.size(), 4);
}

TEST_F(ClosingTest, NieZapisujClosesWithoutWritingAndUnchangedPagesCloseWithoutAQuestion) {
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    platform_.nextAnswer.enqueue(QStringLiteral("Nie zapisuj"));
    EXPECT_TRUE(closePage(0));
    EXPECT_EQ(workspace().PageCount(), 0);
    EXPECT_EQ(platform_.dialogs.size(), 0);

    ASSERT_NO_FATAL_FAILURE(addPage(0));
    EXPECT_TRUE(closePage(currentSlot()));
    EXPECT_EQ(platform_.questions.size(), 1);
}

TEST_F(ClosingTest, ExitAsksForEachChangedPageAndAnulujKeepsTheProgramOpen) {
    window_->show();
    ASSERT_NO_FATAL_FAILURE(addPage(1));
    ASSERT_NO_FATAL_FAILURE(addPage(0));
    ASSERT_NO_FATAL_FAILURE(addPage(2));
    // The changed pages have their recovery copies by now.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return recoveryFiles().filter(QStringLiteral(".esk")).size() == 2; }, 5000));
    platform_.nextAnswer.enqueue(QStringLiteral("Nie zapisuj"));
    platform_.nextAnswer.enqueue(QStringLiteral("Anuluj"));
    ASSERT_NO_FATAL_FAILURE(trigger("Zakocz1"));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(workspace().PageCount(), 3);
    EXPECT_EQ(
        platform_.questions,
        (QStringList{question, QStringLiteral("Projekt „Sklep 3” ma niezapisane zmiany. Zapisać je?")}));
    // Everything stays as it was, the changes of the page given up included.
    EXPECT_EQ(shownCaption(0), QStringLiteral("Sklep 1*"));
    EXPECT_EQ(shownCaption(2), QStringLiteral("Sklep 3*"));

    platform_.nextAnswer.enqueue(QStringLiteral("Nie zapisuj"));
    platform_.nextAnswer.enqueue(QStringLiteral("Zapisz"));
    platform_.nextFileName.enqueue(startPath(QStringLiteral("trzy.esk")));
    EXPECT_TRUE(window_->close());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(QFile::exists(startPath(QStringLiteral("trzy.esk"))));
    EXPECT_TRUE(recoveryFiles().isEmpty());
}

} // namespace
