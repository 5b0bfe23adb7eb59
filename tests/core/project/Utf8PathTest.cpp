#include "core/project/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace targello;
namespace fs = std::filesystem;

namespace {

const std::string Polish = "zdjęcie ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ „cudzysłów” €.jpg";

class Utf8PathOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = fs::temp_directory_path() / PathFromUtf8("targello-ścieżki-" + test);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<std::string> namesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(Utf8FromPath(entry.path().filename()));
        return names;
    }

    fs::path folder_;
};

} // namespace

TEST(Utf8Path, PolishNamesComeBackAsTheyWent) {
    EXPECT_EQ(Utf8FromPath(PathFromUtf8(Polish)), Polish);
    const fs::path nested = PathFromUtf8("Łucja/Zdjęcia/miód.jpg");
    EXPECT_EQ(Utf8FromPath(nested.filename()), "miód.jpg");
    EXPECT_EQ(Utf8FromPath(nested.parent_path().filename()), "Zdjęcia");
    EXPECT_EQ(Utf8FromPath(nested.stem()), "miód");
}

TEST(Utf8Path, PlatformNameHoldsEachLetterOnce) {
    const fs::path path = PathFromUtf8("żółw.jpg");
#ifdef _WIN32
    EXPECT_EQ(path.native(), L"\u017C\u00F3\u0142w.jpg");
#else
    EXPECT_EQ(path.native(), "żółw.jpg");
#endif
}

TEST(Utf8Path, WindowsPathsWithPolishLetters) {
#ifndef _WIN32
    GTEST_SKIP() << "drive letters and network shares are Windows paths";
#else
    const fs::path local = PathFromUtf8("C:\\Users\\Łucja\\Zdjęcia\\miód.jpg");
    EXPECT_EQ(Utf8FromPath(local.root_name()), "C:");
    EXPECT_EQ(Utf8FromPath(local.parent_path()), "C:\\Users\\Łucja\\Zdjęcia");
    EXPECT_EQ(Utf8FromPath(local.filename()), "miód.jpg");

    // The standard library of mingw-w64 does not take "\\serwer" as a root
    // name, so only what the program uses is checked.
    const fs::path share = PathFromUtf8("\\\\serwer\\Udział ćmy\\sklep ąę.esk");
    EXPECT_EQ(Utf8FromPath(share.filename()), "sklep ąę.esk");
    EXPECT_EQ(Utf8FromPath(share.parent_path()), "\\\\serwer\\Udział ćmy");

    const fs::path driveRelative = PathFromUtf8("D:ćma.jpg");
    EXPECT_TRUE(driveRelative.is_relative());
    EXPECT_EQ(Utf8FromPath(driveRelative.filename()), "ćma.jpg");
#endif
}

TEST_F(Utf8PathOnDisk, FileMadeFromUtf8IsListedUnderTheSameName) {
    std::ofstream(folder_ / PathFromUtf8(Polish), std::ios::binary) << "JPEG";
    fs::create_directory(folder_ / PathFromUtf8("Wakacje nad Śniardwami"));
    std::vector<std::string> names = namesInFolder();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Wakacje nad Śniardwami", Polish}));

    const std::string full = Utf8FromPath(folder_ / PathFromUtf8(Polish));
    std::ifstream in(PathFromUtf8(full), std::ios::binary);
    std::string bytes;
    in >> bytes;
    EXPECT_EQ(bytes, "JPEG");
}
