#include "core/project/ProjectSave.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/app/Autosave.h"
#include "gui/app/MainWindow.h"
#include "gui/platform/ScriptedPlatform.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace targello;

namespace {

class DataHome {
public:
    explicit DataHome(const QString& folder) : previous_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    }
    ~DataHome() { qputenv("XDG_DATA_HOME", previous_); }

private:
    QByteArray previous_;
};

QStringList copies(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.esk")}, QDir::Files);
}

TEST(RecoveryProcess, AKilledProgramsChangeComesBackMarkedAndACleanExitLeavesNothing) {
    QTemporaryDir work;
    const QString project = work.filePath(QStringLiteral("sklep.esk"));
    {
        ShopWorkspace shops;
        ShopPage* page = shops.NewPage(ShopSettings{});
        page->InsertItem();
        page->SetItemName(0, "Miód");
        ASSERT_EQ(SaveProject(*page, project.toStdString()), "");
    }
    const QString data = work.filePath(QStringLiteral("data"));
#ifdef _WIN32
    // Windows has one place for them, %APPDATA%, which the child program
    // shares through the organization name of this test program.
    const QString recovery = Autosave::defaultFolder();
#else
    const QString recovery = data + QStringLiteral("/Targello/odzysk");
#endif

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work.filePath(QStringLiteral("config")));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TARGELLO_RECOVERY_CHILD), {project, QStringLiteral(" lipowy")});
    ASSERT_TRUE(program.waitForStarted());
    // The copy follows 2 seconds after the typing stopped.
    ASSERT_TRUE(QTest::qWaitFor([&] { return copies(recovery).size() == 1; }, 15000));
    ASSERT_TRUE(program.readAllStandardOutput().contains("typed"));
    program.kill(); // SIGKILL: nothing of the program's own ending runs
    ASSERT_TRUE(program.waitForFinished());
    ASSERT_EQ(program.exitStatus(), QProcess::CrashExit);

    DataHome home(data);
    ScriptedPlatform platform;
    MainWindow window(platform);
    platform.nextAnswer.enqueue(QStringLiteral("Odzyskaj"));
    window.startUp({});
    ASSERT_EQ(platform.questions.size(), 1);
    EXPECT_TRUE(platform.questions.first().contains(project)) << platform.questions.first().toStdString();
    const ShopPage* page = window.workspace().Current();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Item(0).Name, "Miód lipowy");
    EXPECT_TRUE(page->Changed());
    EXPECT_EQ(window.subWindow(page->PageIndex())->windowTitle(),
              QString::fromStdString(page->Caption() + " — sklep.esk*"));

    platform.nextAnswer.enqueue(QStringLiteral("Nie zapisuj"));
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(QDir(recovery).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace
