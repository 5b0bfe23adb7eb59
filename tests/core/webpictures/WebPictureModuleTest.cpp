#include "core/webpictures/WebPictureModule.h"

#include "core/webpictures/WebPictureLibrary.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <utility>

namespace targello {
namespace {

namespace fs = std::filesystem;

// Width and height from a JPEG's frame header, {0, 0} where there is none.
std::pair<int, int> jpegSize(const std::string& bytes) {
    auto byte = [&bytes](std::size_t at) { return static_cast<std::uint8_t>(bytes[at]); };
    for (std::size_t at = 2; at + 9 < bytes.size() && byte(at) == 0xFF;
         at += 2 + (byte(at + 2) << 8 | byte(at + 3))) {
        const std::uint8_t marker = byte(at + 1);
        if (marker >= 0xC0 && marker <= 0xC2)
            return {byte(at + 7) << 8 | byte(at + 8), byte(at + 5) << 8 | byte(at + 6)};
    }
    return {0, 0};
}

class WebPictureModuleFiles : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("targello-webpictures-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

TEST_F(WebPictureModuleFiles, SharedModuleLoadsAndMakesEveryCopy) {
    const WebPictureModule& module = WebPictureModule::Shared();
    ASSERT_TRUE(module.Loaded()) << module.Problem();
    EXPECT_EQ(module.Problem(), "");
    EXPECT_EQ(&module, &WebPictureModule::Shared()); // loaded once

    const auto make = module.Maker();
    ASSERT_TRUE(make);
    const fs::path large = root / "miod.jpg";
    const fs::path small = root / "miod-maly.jpg";
    const WebPictureOutcome outcome =
        make({TARGELLO_EXAMPLE_PICTURES "/miod-lipowy.jpg", large.string(), small.string(), 1600, 60, 60,
              (root / "miod-sredni.jpg").string(), 100});
    EXPECT_EQ(outcome.Reason, "");
    // The source is 266 x 188: never enlarged, and the small copy fits its box.
    EXPECT_EQ(outcome.LargeWidth, 266);
    EXPECT_EQ(outcome.LargeHeight, 188);
    EXPECT_EQ(jpegSize(outcome.LargeBytes), std::make_pair(266, 188));
    EXPECT_EQ(jpegSize(outcome.SmallBytes), std::make_pair(60, 42));
    EXPECT_EQ(jpegSize(outcome.MediumBytes), std::make_pair(100, 71));
    EXPECT_FALSE(fs::exists(large)) << "the export writes the copies, not the module";

    // The module's reasons reach the program intact.
    std::ofstream(root / "zepsuty.jpg") << "to nie jest obrazek";
    EXPECT_EQ(make({(root / "zepsuty.jpg").string(), (root / "z.jpg").string(), {}, 1600, 0, 0}).Reason,
              "to nie jest obrazek w formacie JPEG, PNG, GIF, WebP, TIFF, BMP ani HEIC");
}

TEST(WebPictureModule, MissingModuleMakesNothingAndSaysWhy) {
    const std::string path = std::string("/nie/ma/takiego/folderu/") + WebPictureLibrary::FileName();
    const WebPictureModule missing(path);
    EXPECT_FALSE(missing.Loaded());
    EXPECT_FALSE(missing.Maker());
    EXPECT_NE(missing.Problem().find("nie udało się wczytać modułu obrazków „" + path + "” ("),
              std::string::npos)
        << missing.Problem();

    const std::string told = WebPicturesMissingText(missing.Problem());
    EXPECT_EQ(told.rfind("Obrazków nie zmniejszono: " + missing.Problem() + ".", 0), 0u) << told;
    EXPECT_NE(told.find("bez zmian, w pełnym rozmiarze"), std::string::npos);
    EXPECT_NE(told.find(WebPictureLibrary::Remedy()), std::string::npos);
}

TEST(WebPictureModule, LibraryWithoutTheEntryIsRefused) {
    // A shared library that loads but is no picture module of this program.
#ifdef _WIN32
    const std::string library = "kernel32.dll";
#else
    const std::string library = "libm.so.6";
#endif
    const WebPictureModule foreign(library);
    EXPECT_FALSE(foreign.Loaded());
    EXPECT_FALSE(foreign.Maker());
    EXPECT_EQ(foreign.Problem(), "moduł obrazków „" + library + "” pochodzi z innej wersji programu");
}

} // namespace
} // namespace targello
