#pragma once

#include "SettingsTestApp.h"
#include "gui/settings/ColorBox.h"
#include "gui/settings/OptionsDialog.h"
#include "gui/settings/SpinEdit.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

namespace targello {

// The options dialog of a program that has just started.
class OptionsFixture : public ::testing::Test {
protected:
    OptionsFixture() : dialog_(&app_.options()) {}

    ShopPage& newPage() {
        EXPECT_NE(app_.newPage(), nullptr);
        return *app_.workspace().Current();
    }

    template <class T> T* find(const char* name) { return Find<T>(dialog_, name); }
    QString color(int box) {
        return ColorName(
            find<ColorBox>(QStringLiteral("ColorBox%1").arg(box).toLatin1().constData())->color());
    }
    SpinEdit* spin(const char* name) { return find<SpinEdit>(name); }
    void pressOk() { find<QPushButton>("OKButton")->click(); }
    QList<ScriptedPlatform::Shown>& shown() { return app_.platform_.shown; }

    SettingsTestApp app_;
    OptionsDialog* dialog_;
};

} // namespace targello
