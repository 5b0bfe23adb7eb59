// The pictures of the help page, made from the program's own windows on the
// offscreen platform. Run as a test, they go to the build tree; the
// help_screenshots target writes them to data/pomoc, where they are kept
// with the help page. Either way the test checks that the help page shows
// exactly the pictures made here.
#include "MainWindowFixture.h"
#include "gui/app/StartScreen.h"
#include "gui/project/ProjectCommands.h"
#include "gui/settings/OptionsDialog.h"
#include "gui/settings/Wizard.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace targello;

namespace {

QString OutputFolder() {
    const QByteArray chosen = qgetenv("TARGELLO_SCREENSHOT_DIR");
    return chosen.isEmpty() ? QStringLiteral(TARGELLO_SCREENSHOT_DIR) : QString::fromLocal8Bit(chosen);
}

QSet<QString> PicturesOfTheHelpPage() {
    QFile help(QStringLiteral(TARGELLO_HELP_PAGE));
    EXPECT_TRUE(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    QSet<QString> names;
    static const QRegularExpression picture(QStringLiteral("src=\"pomoc/([a-z0-9-]+\\.png)\""));
    for (auto match = picture.globalMatch(text); match.hasNext();)
        names.insert(match.next().captured(1));
    return names;
}

class HelpScreenshots : public MainWindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(OutputFolder()));
        window_->resize(960, 640);
        window_->show();
        QTest::qWait(50);
    }
    void keep(QWidget& widget, const QString& name) {
        const QString path = OutputFolder() + QLatin1Char('/') + name;
        ASSERT_TRUE(widget.grab().save(path)) << path.toStdString();
        made_.insert(name);
    }

    QSet<QString> made_;
};

TEST_F(HelpScreenshots, MakesEveryPictureTheHelpPageShows) {
    keep(*window_, QStringLiteral("start.png"));

    Wizard& wizard = window_->wizard();
    wizard.show();
    QTest::qWait(50);
    keep(wizard, QStringLiteral("kreator-krok1.png"));
    for (int step = 1; step < Wizard::StepCount; ++step)
        wizard.next();
    QTest::qWait(50);
    keep(wizard, QStringLiteral("kreator-koniec.png"));
    wizard.cancel();

    layOutSample(QStringLiteral(TARGELLO_EXAMPLES_DIR));
    ASSERT_NE(OpenSampleShop(*window_), nullptr);
    // The pictures arrive in the background.
    QTest::qWait(1500);
    keep(*window_, QStringLiteral("sklep.png"));

    OptionsDialog& options = window_->options();
    options.show();
    options.findChild<QTabWidget*>()->setCurrentIndex(0);
    QTest::qWait(50);
    keep(options, QStringLiteral("opcje-strona.png"));
    options.hide();

    EXPECT_EQ(PicturesOfTheHelpPage(), made_);
}

} // namespace
