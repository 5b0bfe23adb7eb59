#include "OptionsFixture.h"
#include "gui/settings/Wizard.h"

#include <QCheckBox>

using namespace targello;

namespace {

using ModernPageBoxTest = OptionsFixture;

TEST_F(ModernPageBoxTest, TheOptionsBoxEditsTheWorkingCopyAndOkStoresItInThePage) {
    ShopPage& page = newPage();
    auto* box = find<QCheckBox>("NowoczesnaBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Strona nowoczesna (telefony i komputery)"));
    EXPECT_FALSE(box->isChecked());

    box->click();
    EXPECT_TRUE(app_.editedSettings().Values.ModernPage);
    EXPECT_FALSE(page.Settings.ModernPage) << "nothing reaches the page before OK";
    pressOk();
    EXPECT_TRUE(page.Settings.ModernPage);

    // Another page shows its own choice; the first keeps its own.
    ShopPage& classic = newPage();
    dialog_->loadPageIntoOptions();
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(classic.Settings.ModernPage);
    EXPECT_TRUE(page.Settings.ModernPage);
    classic.Settings.ModernPage = true;
    dialog_->loadPageIntoOptions();
    EXPECT_TRUE(box->isChecked());
    box->click();
    pressOk();
    EXPECT_FALSE(classic.Settings.ModernPage);
}

TEST_F(ModernPageBoxTest, TheWizardsLastStepHasTheBoxForItsOwnValues) {
    Wizard wizard(app_, nullptr);
    auto* box = Find<QCheckBox>(&wizard, "NowoczesnaBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Strona nowoczesna (telefony i komputery)"));
    // A shop made with the wizard has the modern page unless turned off.
    EXPECT_TRUE(box->isChecked());
    for (int step = 1; step < Wizard::StepCount; ++step)
        wizard.next();
    EXPECT_TRUE(wizard.isStepPageVisible(Wizard::StepCount));
    box->click();
    EXPECT_FALSE(wizard.values().Values.ModernPage);
    box->click();
    EXPECT_TRUE(wizard.values().Values.ModernPage);
    EXPECT_FALSE(app_.editedSettings().Values.ModernPage);
}

} // namespace
