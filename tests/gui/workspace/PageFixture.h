#pragma once

#include "QtPrinting.h"
#include "TestAppContext.h"
#include "core/workspace/ShopPage.h"
#include "gui/workspace/PageCanvas.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace targello {

// One page window, shown on its own, with `count` items inserted through it.
class PageFixture : public ::testing::Test {
protected:
    // The page ends as an opened project leaves it: the first item in
    // view with the focus (each insertion moved it to the newest item).
    PageWindow& openPage(int count) {
        window_ = app_.newPage();
        for (int k = 0; k < count; ++k)
            window_->insertItem();
        window_->focusItem(0);
        settle();
        return *window_;
    }

    ShopPage& page() { return window_->page(); }
    PageCanvas& canvas() { return *window_->findChild<PageCanvas*>(); }
    ScriptedPlatform& platform() { return app_.scripted(); }

    QLineEdit* line(int k, ItemField field) { return qobject_cast<QLineEdit*>(window_->editor(k, field)); }

    // Lets queued work run: live controls for what came into view, pictures
    // decoded in the background.
    void settle() {
        app_.pictures().waitForBackgroundWork();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // A picture file of one colour, made for the test.
    QString writePicture(const QString& name, QSize size, QColor color) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = files_.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = files_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    int countShown(ScriptedPlatform::Kind kind) const {
        int count = 0;
        for (const auto& shown : app_.scriptedConst().shown)
            count += shown.kind == kind ? 1 : 0;
        return count;
    }

    TestAppContext app_;
    PageWindow* window_ = nullptr;
    QTemporaryDir files_;
};

} // namespace targello
