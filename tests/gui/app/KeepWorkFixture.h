#pragma once

#include "MainWindowFixture.h"
#include "gui/app/Autosave.h"
#include "gui/workspace/ItemField.h"
#include "gui/workspace/PageWindow.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace targello {

// A main window with helpers to change, save and close its pages.
class KeepWorkFixture : public MainWindowFixture {
protected:
    // A new page with `items` items; call through ASSERT_NO_FATAL_FAILURE.
    void addPage(int items) {
        ASSERT_NO_FATAL_FAILURE(trigger("Nowyprojekt1"));
        for (int k = 0; k < items; ++k)
            ASSERT_NO_FATAL_FAILURE(trigger("Wstawnowpozycj1"));
    }
    ShopPage& current() { return *workspace().Current(); }
    int currentSlot() { return workspace().CurrentPage(); }

    // Types into the current page's box of item k as a user does.
    void type(int k, ItemField field, const QString& text) {
        QWidget* box = window_->currentPageWindow()->editor(k, field);
        ASSERT_NE(box, nullptr);
        box->setFocus();
        // A box that takes the focus has its text selected: type after it.
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, text);
    }

    // Waits until item k of the current page shows `path`: pictures are decoded in the background.
    bool waitForPicture(int k, const QString& path) {
        return QTest::qWaitFor([&] { return current().Item(k).PicturePath == path.toStdString(); }, 5000);
    }

    // "Zapisz projekt jako…" answered with `path` ("" cancels); call through ASSERT_NO_FATAL_FAILURE.
    void save(const QString& path) {
        platform_.nextFileName.enqueue(path);
        ASSERT_NO_FATAL_FAILURE(trigger("Zapiszprojektjako1"));
    }

    // The close box of the page in `slot`; true when it closed.
    bool closePage(int slot) {
        const bool closed = window_->subWindow(slot)->close();
        flushDeletes();
        return closed;
    }

    // Where the program keeps recovery copies: the test's own data folder on
    // Linux, the test program's own place under %APPDATA% on Windows.
    static QString recoveryFolder() { return Autosave::defaultFolder(); }
    QStringList recoveryFiles() const { return QDir(recoveryFolder()).entryList(QDir::Files); }
};

} // namespace targello
