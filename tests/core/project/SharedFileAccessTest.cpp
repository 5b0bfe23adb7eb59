#include "core/project/SharedFileAccess.h"

#include "core/project/ProjectSave.h"
#include "core/project/Utf8Path.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace targello;
namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A handle another program keeps on the file, reading it from the start.
class OpenReader {
public:
#ifdef _WIN32
    // Explorer's preview lets others delete and rename what it reads; older
    // or careless programs only let others read.
    OpenReader(const fs::path& file, bool othersMayReplace)
        : handle_(CreateFileW(file.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | (othersMayReplace ? FILE_SHARE_DELETE : 0), nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
    }
    ~OpenReader() {
        Close();
    }
    void Close() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    std::string Read() {
        char buffer[64];
        DWORD got = 0;
        ReadFile(handle_, buffer, sizeof buffer, &got, nullptr);
        return std::string(buffer, got);
    }

private:
    HANDLE handle_;
#else
    OpenReader(const fs::path& file, bool) : in_(file, std::ios::binary) {
        EXPECT_TRUE(in_.is_open());
    }
    void Close() {
        in_.close();
    }
    std::string Read() {
        return {std::istreambuf_iterator<char>(in_), {}};
    }

private:
    std::ifstream in_;
#endif
};

class SharedFileAccess : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of the test's own: ctest runs the tests of this fixture side by side.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = fs::temp_directory_path() / PathFromUtf8("targello-współdzielenie-" + test);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        file_ = folder_ / PathFromUtf8("sklep ąę.esk");
        std::ofstream(file_, std::ios::binary) << "stary";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
    fs::path file_;
};

} // namespace

TEST_F(SharedFileAccess, SaveReplacesAFileThatIsOpenForReading) {
    OpenReader preview(file_, true);
    ASSERT_EQ(WriteFileAtomically(Utf8FromPath(file_), "nowy"), "");
    EXPECT_EQ(contents(file_), "nowy");
    EXPECT_EQ(preview.Read(), "stary") << "the reader keeps the file it opened";
    preview.Close();
    EXPECT_EQ(filesInFolder(), 1u) << "neither the temporary file nor the old one is left";
}

TEST_F(SharedFileAccess, SaveWaitsForAHandleThatIsClosedSoon) {
#ifndef _WIN32
    GTEST_SKIP() << "POSIX has no sharing modes: a rename never waits for readers";
#endif
    OpenReader scanner(file_, false);
    std::thread closer([&scanner] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        scanner.Close();
    });
    const std::string error = WriteFileAtomically(Utf8FromPath(file_), "nowy");
    closer.join();
    EXPECT_EQ(error, "");
    EXPECT_EQ(contents(file_), "nowy");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(SharedFileAccess, FileHeldByAnotherProgramIsReportedAndKept) {
#ifndef _WIN32
    GTEST_SKIP() << "POSIX has no sharing modes: another program cannot hold a file against renames";
#endif
    OpenReader holder(file_, false);
    EXPECT_EQ(WriteFileAtomically(Utf8FromPath(file_), "nowy"),
              "Nie można zapisać projektu „" + Utf8FromPath(file_) +
                  "”: nie da się zastąpić pliku, bo jest otwarty w innym programie; zamknij go tam i zapisz "
                  "ponownie.");
    holder.Close();
    EXPECT_EQ(contents(file_), "stary");
    EXPECT_EQ(filesInFolder(), 1u) << "the temporary file is removed";
}

TEST_F(SharedFileAccess, ReadOnlyFileIsKeptAsOnWindows) {
#ifndef _WIN32
    GTEST_SKIP() << "on POSIX a file's own permissions do not guard it against renames";
#endif
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(file_, writable, fs::perm_options::remove);
    const std::string error = WriteFileAtomically(Utf8FromPath(file_), "nowy");
    fs::permissions(file_, writable, fs::perm_options::add);
    EXPECT_EQ(error, "Nie można zapisać projektu „" + Utf8FromPath(file_) +
                         "”: nie da się zastąpić pliku, bo jest tylko do odczytu.");
    EXPECT_EQ(contents(file_), "stary");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(SharedFileAccess, ReadingStopsAtTheLimit) {
    std::ofstream(file_, std::ios::binary | std::ios::trunc) << "0123456789";
    EXPECT_EQ(ReadFileStart(file_, 4), "0123");
    EXPECT_EQ(ReadFileStart(file_, 100), "0123456789");
    EXPECT_EQ(ReadFileStart(folder_ / "brak.esk", 100), std::nullopt);
}
