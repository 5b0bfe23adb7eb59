#include "core/webpictures/WebPictureModule.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <utility>

namespace targello {
namespace {

namespace fs = std::filesystem;

QSize sizeOf(const std::string& jpeg) {
    return QImage::fromData(QByteArray::fromStdString(jpeg), "JPEG").size();
}

// Both picture modules, and a folder of the test's own for their copies.
struct BothModules {
    explicit BothModules(const char* folder) : Root(fs::temp_directory_path() / folder) {
        fs::remove_all(Root);
        fs::create_directories(Root);
    }
    ~BothModules() { fs::remove_all(Root); }

    const WebPictureModule Vips{TARGELLO_VIPS_MODULE};
    const WebPictureModule Qt{TARGELLO_QT_MODULE};
    const fs::path Root;
};

// The page names the sizes of the copies, so a page made on Windows equals
// one made on Linux only where both modules give every copy the same size.
TEST(QtWebPictures, CopiesHaveTheLibvipsModulesSizes) {
    const BothModules modules("targello-qt-webpictures");
    const WebPictureModule& vips = modules.Vips;
    const WebPictureModule& qt = modules.Qt;
    const fs::path& root = modules.Root;
    ASSERT_TRUE(vips.Loaded()) << vips.Problem();
    ASSERT_TRUE(qt.Loaded()) << qt.Problem();

    struct Case {
        std::string Source;
        int Side, SmallWidth, SmallHeight, MediumWidth;
    };
    const std::string examples = TARGELLO_EXAMPLE_PICTURES "/";
    const std::string modern = TARGELLO_MODERN_PICTURES "/";
    const std::vector<Case> cases = {
        {examples + "miod-lipowy.jpg", 1600, 266, 188, 800}, // smaller than the copies: kept
        {examples + "ser.jpg", 100, 60, 60, 70},             // JPEG shrunk while decoding, then resized
        {examples + "krowki.jpg", 33, 20, 7, 25},            // the narrow side rounded
        {examples + "pierniki.jpg", 127, 400, 300, 90},      // a small copy never enlarged
        {examples + "grzyby.jpg", 1600, 100, 100, 201},      // the middle copy's height rounded
        {modern + "obrocony.jpg", 1600, 100, 100, 30},       // EXIF orientation turns the sides
        {modern + "obrocony.jpg", 45, 30, 30, 15},
        {modern + "przezroczysty.png", 1600, 40, 25, 25}, // not a JPEG: fitted whole
    };
    for (const Case& c : cases) {
        const std::string label = c.Source + " " + std::to_string(c.Side);
        const auto job = [&](const std::string& name) {
            return WebPictureJob{c.Source,
                                 (root / (name + ".jpg")).string(),
                                 (root / (name + "-maly.jpg")).string(),
                                 c.Side,
                                 c.SmallWidth,
                                 c.SmallHeight,
                                 (root / (name + "-sredni.jpg")).string(),
                                 c.MediumWidth};
        };
        const WebPictureOutcome byVips = vips.Maker()(job("vips"));
        const WebPictureOutcome byQt = qt.Maker()(job("qt"));
        ASSERT_EQ(byVips.Reason, "") << label;
        ASSERT_EQ(byQt.Reason, "") << label;
        EXPECT_EQ(byQt.LargeWidth, byVips.LargeWidth) << label;
        EXPECT_EQ(byQt.LargeHeight, byVips.LargeHeight) << label;
        EXPECT_EQ(sizeOf(byQt.LargeBytes), sizeOf(byVips.LargeBytes)) << label;
        EXPECT_EQ(sizeOf(byQt.SmallBytes), sizeOf(byVips.SmallBytes)) << label;
        EXPECT_EQ(sizeOf(byQt.MediumBytes), sizeOf(byVips.MediumBytes)) << label;
        EXPECT_EQ(sizeOf(byQt.LargeBytes), QSize(byQt.LargeWidth, byQt.LargeHeight)) << label;
        // The page gives the middle copy this width without seeing it.
        EXPECT_EQ(sizeOf(byVips.MediumBytes).width(), std::min(c.MediumWidth, byVips.LargeWidth)) << label;
    }
}

// What is no picture of a format the export reads is refused by both modules
// for the same reason.
TEST(QtWebPictures, RefusesWhatTheLibvipsModuleRefusesWithItsReason) {
    const BothModules modules("targello-qt-webpictures-refused");
    const WebPictureModule& vips = modules.Vips;
    const WebPictureModule& qt = modules.Qt;
    const fs::path& root = modules.Root;
    ASSERT_TRUE(qt.Loaded()) << qt.Problem();
    std::ofstream(root / "zepsuty.jpg") << "to nie jest obrazek";
    std::ofstream(root / "strona.svg") << "<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'/>";
    for (const char* name : {"zepsuty.jpg", "strona.svg", "brak.jpg"}) {
        const WebPictureJob job{(root / name).string(), (root / "kopia.jpg").string(), {}, 1600, 0, 0};
        const WebPictureOutcome byQt = qt.Maker()(job);
        EXPECT_NE(byQt.Reason, "") << name;
        EXPECT_EQ(byQt.Reason, vips.Maker()(job).Reason) << name;
        EXPECT_TRUE(byQt.LargeBytes.empty()) << name;
    }
    EXPECT_FALSE(fs::exists(root / "kopia.jpg"));
}

// A JPEG with stray bytes before its scan is made by both modules, and both
// say that its file is damaged; the sound one is told by neither.
TEST(QtWebPictures, TellsAPictureMadeDespiteAFaultAsTheLibvipsModuleDoes) {
    const BothModules modules("targello-qt-webpictures-faulty");
    const WebPictureModule& vips = modules.Vips;
    const WebPictureModule& qt = modules.Qt;
    const fs::path& root = modules.Root;
    ASSERT_TRUE(vips.Loaded()) << vips.Problem();
    ASSERT_TRUE(qt.Loaded()) << qt.Problem();
    const fs::path sound = fs::path(TARGELLO_EXAMPLE_PICTURES) / "miod-lipowy.jpg";
    std::ifstream in(sound, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    bytes.insert(bytes.find("\xFF\xDA"), std::string("\0\x11\x22\x33", 4));
    std::ofstream(root / "uszkodzony.jpg", std::ios::binary) << bytes;
    for (const auto& [path, faulty] : {std::pair{root / "uszkodzony.jpg", true}, std::pair{sound, false}})
        for (const WebPictureModule* module : {&vips, &qt}) {
            const WebPictureOutcome made =
                module->Maker()({path.string(), (root / "l.jpg").string(), {}, 1600, 0, 0});
            EXPECT_EQ(made.Reason, "") << path;
            EXPECT_EQ(made.MadeDespiteFault, faulty) << path << (module == &qt ? " by Qt" : " by libvips");
        }
}

} // namespace
} // namespace targello
