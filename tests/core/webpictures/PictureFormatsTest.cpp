#include "core/webpictures/WebPictureModule.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace targello {
namespace {

namespace fs = std::filesystem;

const fs::path Fixtures = TARGELLO_WEBPICTURE_FIXTURES;
const fs::path Example = TARGELLO_EXAMPLE_PICTURES "/miod-lipowy.jpg"; // 266 x 188

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The example JPEG claiming 20000 x 20000 pixels in its frame header.
std::string hugeJpeg() {
    std::string bytes = readAll(Example);
    for (std::size_t at = 2; at + 9 < bytes.size();) {
        const auto marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker >= 0xC0 && marker <= 0xC2) {
            bytes.replace(at + 5, 4, "\x4E\x20\x4E\x20");
            break;
        }
        at +=
            2 + (static_cast<unsigned char>(bytes[at + 2]) << 8 | static_cast<unsigned char>(bytes[at + 3]));
    }
    return bytes;
}

// The example JPEG with four stray bytes before its scan: libjpeg warns
// ("Corrupt JPEG data: 4 extraneous bytes before marker 0xda") and decodes it.
std::string jpegWithStrayBytes() {
    std::string bytes = readAll(Example);
    std::size_t at = 2;
    while (at + 4 < bytes.size() && static_cast<unsigned char>(bytes[at + 1]) != 0xDA)
        at +=
            2 + (static_cast<unsigned char>(bytes[at + 2]) << 8 | static_cast<unsigned char>(bytes[at + 3]));
    return bytes.insert(at, std::string("\0\x11\x22\x33", 4));
}

std::string cut(const std::string& bytes, double kept) {
    return bytes.substr(0, static_cast<std::size_t>(static_cast<double>(bytes.size()) * kept));
}

constexpr const char* Damaged = "nie da się odczytać obrazka (plik jest uszkodzony albo ma nieznany format)";
constexpr const char* OtherFormat = "to nie jest obrazek w formacie JPEG, PNG, GIF, WebP, TIFF, BMP ani HEIC";

// The Windows module is Qt's image reader, which has no HEIC reader and
// reads WebP and TIFF only with plugins the setup program does not carry.
std::string NotOnWindows([[maybe_unused]] const char* format) {
#ifdef _WIN32
    return std::string("ta wersja programu nie odczytuje obrazków ") + format +
           "; zapisz obrazek jako JPEG albo PNG";
#else
    return {};
#endif
}

struct Case {
    const char* Name;
    std::string Bytes;
    std::string Reason; // "" where both copies are made
    int Width = 0;
    bool Faulty = false; // made, and told as made despite a fault in the file
};

TEST(PictureFormats, OnlyTheSevenFormatsAreReadAndDamageIsRefusedQuietly) {
    const fs::path root = fs::temp_directory_path() / "targello-picture-formats";
    fs::remove_all(root);
    fs::create_directories(root);
    const std::string bmp = readAll(Fixtures / "maly.bmp");
    const std::string bigBmp =
        bmp.substr(0, 18) + std::string("\x20\x4E\0\0\x20\x4E\0\0", 8) + bmp.substr(26);
    const Case cases[] = {
        {"a.png", readAll(Fixtures / "maly.png"), "", 40},
        {"a.gif", readAll(Fixtures / "maly.gif"), "", 40},
        {"a.tif", readAll(Fixtures / "maly.tif"), NotOnWindows("TIFF"), 40},
        {"a.webp", readAll(Fixtures / "maly.webp"), NotOnWindows("WebP"), 40},
        {"a.bmp", bmp, "", 5},
        {"a.heic", readAll(fs::path(TARGELLO_MODERN_PICTURES) / "telefon.heic"), NotOnWindows("HEIC"), 0},
        {"png-named.jpg", readAll(Fixtures / "maly.png"), "", 40},
        {"svg.jpg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>", OtherFormat},
        {"pdf.png", "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n", OtherFormat},
        {"matrix.jpg", "2 2\n1 2\n3 4\n", OtherFormat},
        {"ppm.jpg", "P3\n1 1\n255\n0 0 0\n", OtherFormat},
        {"fits.jpg", "SIMPLE  =                    T / FITS", OtherFormat},
        {"bm-text.bmp", "BM is not enough to be a bitmap", OtherFormat},
        {"stray.jpg", jpegWithStrayBytes(), "", 266, true},
        {"cut.jpg", cut(readAll(Example), 0.5), Damaged},
        {"cut.png", cut(readAll(Fixtures / "maly.png"), 0.7), Damaged},
        {"cut.bmp", cut(bmp, 0.8), "nie da się odczytać obrazka (plik jest uszkodzony)"},
        {"huge.jpg", hugeJpeg(), "obrazek za duży: 20000 × 20000 pikseli"},
        {"huge.bmp", bigBmp, "obrazek za duży: 20000 × 20000 pikseli"},
    };
    const auto make = WebPictureModule::Shared().Maker();
    ASSERT_TRUE(make) << WebPictureModule::Shared().Problem();
    ::testing::internal::CaptureStderr();
    for (const Case& c : cases) {
        const fs::path file = root / c.Name;
        std::ofstream(file, std::ios::binary) << c.Bytes;
        const WebPictureOutcome made =
            make({file.string(), (root / "l.jpg").string(), "s.jpg", 1600, 20, 20});
        EXPECT_EQ(made.Reason, c.Reason) << c.Name;
        EXPECT_EQ(made.LargeBytes.empty(), !c.Reason.empty()) << c.Name;
        EXPECT_EQ(made.MadeDespiteFault, c.Faulty) << c.Name;
        if (c.Width > 0 && c.Reason.empty()) {
            EXPECT_EQ(made.LargeWidth, c.Width) << c.Name;
        }
    }
    // A 2 GB file of nothing is refused from its first bytes, not read through.
    const fs::path sparse = root / "zera.jpg";
    std::ofstream(sparse).close();
    fs::resize_file(sparse, std::uintmax_t{2} << 30);
    EXPECT_EQ(make({sparse.string(), (root / "l.jpg").string(), {}, 1600, 0, 0}).Reason, OtherFormat);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "libvips's own warnings stay off stderr";
    fs::remove_all(root);
}

} // namespace
} // namespace targello
