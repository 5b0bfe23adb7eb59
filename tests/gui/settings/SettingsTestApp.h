#pragma once

#include "TestAppContext.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace targello {

// The running program as the settings windows see it: the shared stand-in
// with a copy of the textures below its start directory and page windows
// that are not shown.
class SettingsTestApp : public TestAppContext {
public:
    SettingsTestApp();
};

// The child of `root` named `name`; the test fails when there is none.
template <class T> T* Find(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Picks item `index` of a list as the user does.
void Choose(QComboBox* box, int index);

QString ColorName(const QColor& color);

// The colour the current page window paints at `point` of its page.
QColor PagePixel(TestAppContext& app, QPoint point);

// The window system makes `window` the active window, or takes that away.
void Activate(QWidget* window);
void Deactivate(QWidget* window);

} // namespace targello
