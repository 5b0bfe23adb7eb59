#pragma once

#include "QtPrinting.h"
#include "TestStorage.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/app/MainWindow.h"
#include "gui/platform/ScriptedPlatform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace targello {

// A main window on a scripted desktop, started in a fresh start directory.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        previousDirectory_ = QDir::currentPath();
        QDir::setCurrent(start_.path());
        // Preferences and recovery copies of each test stay in its own
        // folder, never among the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           start_.filePath(QStringLiteral("config")));
        qputenv("XDG_DATA_HOME", start_.filePath(QStringLiteral("data")).toLocal8Bit());
        TestStorage::startAfresh();
        window_ = std::make_unique<MainWindow>(platform_);
    }
    ~MainWindowFixture() override {
        window_.reset();
        QDir::setCurrent(previousDirectory_);
    }

    // Triggers a menu item the way a user can: only while it is enabled.
    // Call it through ASSERT_NO_FATAL_FAILURE.
    void trigger(const char* name) {
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }

    QString startPath(const QString& name) const { return start_.filePath(name); }
    // Copies the sample shop of `examples` into przyklad/ below the start
    // directory, where the program looks for it first.
    void layOutSample(const QString& examples) {
        for (const QString& folder : {QString(), QStringLiteral("/obrazki")}) {
            const QDir from(examples + folder);
            QDir().mkpath(startPath(QStringLiteral("przyklad") + folder));
            for (const QString& file : from.entryList({QStringLiteral("*.esk"), QStringLiteral("*.jpg")}))
                QFile::copy(from.filePath(file),
                            startPath(QStringLiteral("przyklad") + folder + QLatin1Char('/') + file));
        }
    }
    // The caption as the page's frame shows it, the changed mark included.
    QString shownCaption(int slot) const { return window_->subWindow(slot)->windowTitle(); }
    ShopWorkspace& workspace() { return window_->workspace(); }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir start_;
    QString previousDirectory_;
    ScriptedPlatform platform_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace targello
