#pragma once

#include <QString>
#include <QTemporaryDir>

namespace targello {

// Where a test program's preferences and recovery copies live: never among
// the user's, and on Windows, where both places are fixed (the registry and
// %APPDATA%), under an organization name of the process's own, removed when
// the program ends.
class TestStorage {
public:
    TestStorage();
    ~TestStorage();
    TestStorage(const TestStorage&) = delete;
    TestStorage& operator=(const TestStorage&) = delete;

    // Called once the QApplication exists.
    void useForThisProcess();

    // Empties the preferences and recovery copies, for a test that must
    // start as a fresh program would. On Linux tests point XDG_* at a folder
    // of their own instead; this is for where that means nothing.
    static void startAfresh();

private:
    QTemporaryDir home_;
};

} // namespace targello
