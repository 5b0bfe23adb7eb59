#include "../core/files/SpecialFiles.h"
#include "ExportCliFixture.h"
#include "core/project/ProjectSave.h"
#include "core/project/Utf8Path.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <map>
#ifdef __linux__
#include <sys/mount.h>
#endif

using namespace targello;
using namespace targello::testing;

namespace {

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every file under `folder` with its bytes, hidden ones included.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[fs::relative(entry.path(), folder).generic_string()] =
            entry.is_regular_file() ? contents(entry.path()) : std::string("<not a file>");
    return files;
}

// Bytes that do not compress, so that a file takes its whole size on any disk.
std::string noise(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    return bytes;
}

class ExportSafetyCli : public ExportCli {
protected:
    // Saves a project whose items show `pictures` and whose texture and
    // banner are `texture` and `banner`, at work_/projekt.esk.
    void saveProject(const std::vector<std::string>& pictures, const std::string& texture = {},
                     const std::string& banner = {}) {
        ShopWorkspace workspace;
        ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            page.InsertItem();
            page.Item(static_cast<int>(i)).Name = "Produkt " + std::to_string(i + 1);
            page.Item(static_cast<int>(i)).PicturePath = pictures[i];
        }
        page.Settings.TexturePath = texture;
        page.Settings.UseTexture = !texture.empty();
        page.Settings.BannerPath = banner;
        page.Settings.HeaderKind = !banner.empty();
        ASSERT_EQ(SaveProject(page, Utf8FromPath(work_ / "projekt.esk")), "");
    }
};

} // namespace

TEST_F(ExportSafetyCli, FifoAsProjectOrOutputIsRefusedWithoutHanging) {
    TARGELLO_SKIP_WITHOUT_FIFOS();
    ASSERT_EQ(MakeFifo((work_ / "f.esk")), 0);
    const Finished project = run(work_, {"f.esk", "wynik/o.html"});
    ASSERT_NE(project.Exit, TimedOut) << "waited for a writer";
    EXPECT_EQ(project.Exit, 1);
    EXPECT_EQ(project.Err,
              "targello-export: Nie można otworzyć projektu „f.esk”: to nie jest zwykły plik.\n");

    saveProject({});
    ASSERT_EQ(MakeFifo((work_ / "wynik" / "o.html")), 0);
    const Finished output = run(work_, {"projekt.esk", "wynik/o.html"});
    ASSERT_NE(output.Exit, TimedOut) << "waited for a reader";
    EXPECT_EQ(output.Exit, 1);
    EXPECT_EQ(output.Err, "targello-export: Nie można zapisać strony „" +
                              Utf8FromPath(work_ / "wynik" / "o.html") + "”: to nie jest zwykły plik.\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(work_ / "wynik"), {}), 1);
}

TEST_F(ExportSafetyCli, PicturesThatCannotBeCopiedAreListedAndExitWithThree) {
    TARGELLO_SKIP_WITHOUT_FIFOS();
    writeFile(work_ / PathFromUtf8("zdjęcia") / "dobry.jpg", "JPEG");
    fs::create_directories(work_ / PathFromUtf8("zdjęcia") / "folder.jpg");
    ASSERT_EQ(MakeFifo((work_ / PathFromUtf8("zdjęcia") / "fifo.jpg")), 0);
    ASSERT_EQ(MakeFifo((work_ / "tekstura.jpg")), 0);
    ASSERT_EQ(MakeFifo((work_ / "baner.gif")), 0);
    saveProject({"zdjęcia/dobry.jpg", "zdjęcia/folder.jpg", "zdjęcia/fifo.jpg", "zdjęcia/brak.jpg"},
                "tekstura.jpg", "baner.gif");

    const Finished r = run(work_, {"projekt.esk", "wynik/sklep.html"});
    ASSERT_NE(r.Exit, TimedOut);
    EXPECT_EQ(r.Exit, 3);
    EXPECT_EQ(r.Err,
              "targello-export: Obrazek „zdjęcia/folder.jpg” nie został skopiowany: to jest folder.\n"
              "targello-export: Obrazek „zdjęcia/fifo.jpg” nie został skopiowany: to nie jest zwykły plik.\n"
              "targello-export: Obrazek „zdjęcia/brak.jpg” nie został skopiowany: plik nie istnieje.\n"
              "targello-export: Obrazek „tekstura.jpg” nie został skopiowany: to nie jest zwykły plik.\n"
              "targello-export: Obrazek „baner.gif” nie został skopiowany: to nie jest zwykły plik.\n");
    EXPECT_NE(contents(work_ / "wynik" / "sklep.html").find("Produkt 4"), std::string::npos);
    EXPECT_EQ(contents(work_ / "wynik" / "sklep" / "dobry.jpg"), "JPEG");

    // A file where the picture folder must go: every picture is listed.
    fs::remove_all(work_ / "wynik");
    writeFile(work_ / "wynik" / "sklep", "the user's own file");
    saveProject({"zdjęcia/dobry.jpg"});
    const Finished blocked = run(work_, {"projekt.esk", "wynik/sklep.html"});
    EXPECT_EQ(blocked.Exit, 3);
    EXPECT_EQ(blocked.Err,
              "targello-export: Obrazek „zdjęcia/dobry.jpg” nie został skopiowany: w miejscu folderu "
              "obrazków „" +
                  Utf8FromPath(work_ / "wynik" / "sklep") + "” jest plik.\n");
    EXPECT_EQ(contents(work_ / "wynik" / "sklep"), "the user's own file");
}

TEST_F(ExportSafetyCli, NameWithoutExtensionGetsHtmlAndLeavesTheUsersFilesAlone) {
    writeFile(work_ / PathFromUtf8("zdjęcia") / "a.jpg", "product picture");
    writeFile(work_ / "wynik" / "a.jpg", "the user's own a.jpg");
    saveProject({"zdjęcia/a.jpg"});

    const Finished r = run(work_, {"projekt.esk", "wynik/sklep"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(contents(work_ / "wynik" / "a.jpg"), "the user's own a.jpg");
    EXPECT_EQ(contents(work_ / "wynik" / "sklep" / "a.jpg"), "product picture");
    EXPECT_NE(contents(work_ / "wynik" / "sklep.html").find(R"(src="sklep/a.jpg")"), std::string::npos);
    EXPECT_FALSE(fs::exists(work_ / "wynik" / "sklep" / "sklep.html"));

    // Its own earlier page it replaces; a page of the user's it does not.
    EXPECT_EQ(run(work_, {"projekt.esk", "wynik/sklep"}).Exit, 0);
    writeFile(work_ / "inny" / "strona.html", "the user's own page");
    const Finished foreign = run(work_, {"projekt.esk", "inny/strona"});
    EXPECT_EQ(foreign.Exit, 1);
    EXPECT_EQ(foreign.Err,
              "targello-export: strona „inny/strona” dostałaby nazwę „strona.html”, a taki plik już "
              "istnieje; aby go zastąpić, podaj jego pełną nazwę.\n");
    EXPECT_EQ(snapshot(work_ / "inny"),
              (std::map<std::string, std::string>{{"strona.html", "the user's own page"}}));
}

// A real full disk: a small tmpfs, where the test may mount one (as root).
class FullDiskCli : public ExportSafetyCli {
protected:
    void SetUp() override {
        ExportSafetyCli::SetUp();
        disk_ = work_ / "dysk";
        fs::create_directories(disk_);
#ifdef __linux__
        if (::mount("tmpfs", disk_.c_str(), "tmpfs", 0, "size=600k") != 0)
            GTEST_SKIP() << "cannot mount a small file system here; the core's write limit stands in for it";
        mounted_ = true;
#else
        GTEST_SKIP()
            << "a small file system is mounted on Linux only; the core's write limit stands in for it";
#endif
    }
    void TearDown() override {
#ifdef __linux__
        if (mounted_)
            ::umount2(disk_.c_str(), MNT_DETACH);
#endif
        ExportSafetyCli::TearDown();
    }

    fs::path disk_;
    bool mounted_ = false;
};

TEST_F(FullDiskCli, FullDiskKeepsThePreviousExportByteForByte) {
    std::vector<std::string> pictures;
    for (unsigned i = 0; i < 3; ++i) {
        pictures.push_back((work_ / PathFromUtf8("zdjęcia") / ("p" + std::to_string(i) + ".jpg")).string());
        writeFile(pictures.back(), noise(100'000, i));
    }
    saveProject(pictures);
    const std::string page = (disk_ / "sklep.html").string();
    ASSERT_EQ(run(work_, {"projekt.esk", page}).Exit, 0);
    const auto before = snapshot(disk_);

    // Bigger pictures that no longer fit beside the old ones.
    for (unsigned i = 0; i < 3; ++i) {
        writeFile(pictures[i], noise(200'000, 10 + i));
        fs::last_write_time(pictures[i], fs::last_write_time(pictures[i]) + std::chrono::seconds(10));
    }
    const Finished full = run(work_, {"projekt.esk", page});
    EXPECT_EQ(full.Exit, 1);
    EXPECT_NE(full.Err.find("brak miejsca na dysku"), std::string::npos) << full.Err;
    EXPECT_EQ(snapshot(disk_), before) << "the previous page and pictures, and no temporaries";
}

TEST_F(ExportSafetyCli, ImmutableFolderIsReportedInPolish) {
#ifdef _WIN32
    GTEST_SKIP() << "the immutable flag is Linux's";
#endif
    const fs::path folder = work_ / "wynik";
    if (std::system(("chattr +i " + ShellQuoted(folder.string()) + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "no chattr, or a file system without the immutable flag";
    saveProject({});
    const Finished r = run(work_, {"projekt.esk", "wynik/sklep.html"});
    std::system(("chattr -i " + ShellQuoted(folder.string())).c_str());
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err, "targello-export: Nie można zapisać strony „" + (folder / "sklep.html").string() +
                         "”: brak uprawnień.\n");
}

// An uncompressed RGB TIFF of noise, whose JPEG copies cannot be small.
std::string noiseTiff(std::uint32_t width, std::uint32_t height, unsigned seed) {
    const auto le = [](std::uint32_t value, int size) {
        std::string bytes;
        for (int k = 0; k < size; ++k)
            bytes += static_cast<char>(value >> (8 * k));
        return bytes;
    };
    const std::uint32_t pixels = width * height * 3;
    const auto entry = [&](std::uint32_t tag, std::uint32_t type, std::uint32_t count, std::uint32_t value) {
        return le(tag, 2) + le(type, 2) + le(count, 4) + le(value, 4);
    };
    constexpr std::uint32_t Short = 3, Long = 4, Bits = 122, Data = 128;
    return std::string("II*\0", 4) + le(8, 4) + le(9, 2) + entry(256, Long, 1, width) +
           entry(257, Long, 1, height) + entry(258, Short, 3, Bits) + entry(259, Short, 1, 1) +
           entry(262, Short, 1, 2) + entry(273, Long, 1, Data) + entry(277, Short, 1, 3) +
           entry(278, Long, 1, height) + entry(279, Long, 1, pixels) + le(0, 4) + le(8, 2) + le(8, 2) +
           le(8, 2) + noise(pixels, seed);
}

// The modern page's copies on a disk that has room for the page but not
// for them: the export fails as a whole, and nothing of the shop changes.
TEST_F(FullDiskCli, ModernCopiesThatDoNotFitKeepThePreviousShop) {
    std::vector<std::string> pictures;
    for (unsigned i = 0; i < 3; ++i) {
        pictures.push_back((work_ / ("p" + std::to_string(i) + ".tif")).string());
        writeFile(pictures.back(), noiseTiff(320, 240, i));
    }
    saveProject(pictures);
    const std::string page = (disk_ / "sklep.html").string();
    ASSERT_EQ(run(work_, {"--styl", "nowoczesny", "projekt.esk", page}).Exit, 0);
    for (const std::string& picture : pictures)
        fs::last_write_time(picture, fs::last_write_time(picture) + std::chrono::seconds(10));
    // Room for the page and the export's lists, and none for any copy.
    const auto blocks = [](std::uintmax_t size) { return (size + 4095) / 4096 * 4096; };
    std::uintmax_t room = blocks(fs::file_size(page));
    for (const auto& file : fs::directory_iterator(disk_ / "sklep"))
        if (file.path().extension() != ".jpg")
            room += blocks(fs::file_size(file.path()));
        else
            ASSERT_GT(fs::file_size(file.path()), 3 * 4096u) << "a copy that would fit beside the page";
    writeFile(disk_ / "inne.bin", noise(static_cast<std::size_t>(fs::space(disk_).available - room), 7));
    const auto before = snapshot(disk_);

    const Finished full = run(work_, {"--styl", "nowoczesny", "projekt.esk", page});
    EXPECT_EQ(full.Exit, 1) << full.Err;
    EXPECT_EQ(full.Err, "targello-export: Nie można zapisać strony „" + page + "”: brak miejsca na dysku.\n");
    EXPECT_EQ(snapshot(disk_), before) << "the previous page and pictures, and no temporaries";
}

TEST_F(ExportSafetyCli, UnwritablePictureFolderIsNamedNotThePage) {
#ifdef _WIN32
    GTEST_SKIP() << "the immutable flag is Linux's";
#endif
    const fs::path sample = copyOfSample();
    const fs::path folder = work_ / "wynik" / "sklep";
    const std::string page = (work_ / "wynik" / "sklep.html").string();
    for (const char* style : {"klasyczny", "nowoczesny"}) {
        ASSERT_EQ(run(sample, {"--styl", style, "sklep.esk", page}).Exit, 0) << style;
        if (std::system(("chattr +i " + ShellQuoted(folder.string()) + " 2>/dev/null").c_str()) != 0)
            GTEST_SKIP() << "no chattr, or a file system without the immutable flag";
        const Finished r = run(sample, {"--styl", style, "sklep.esk", page});
        std::system(("chattr -i " + ShellQuoted(folder.string())).c_str());
        EXPECT_EQ(r.Exit, 1) << style;
        EXPECT_NE(r.Err.find("„" + folder.string() + "”"), std::string::npos) << style << ": " << r.Err;
        EXPECT_NE(r.Err.find("brak uprawnień"), std::string::npos) << style << ": " << r.Err;
        EXPECT_EQ(r.Err.find(".targello-"), std::string::npos) << style << ": " << r.Err;
        fs::remove_all(work_ / "wynik");
        fs::create_directories(work_ / "wynik");
    }
}

// A picture that libjpeg decodes, warning of stray bytes before its scan:
// the shop is whole, and the user hears of it once, in Polish.
TEST_F(ExportSafetyCli, PictureMadeDespiteAFaultIsToldInOneLine) {
    std::string bytes = contents(Examples / "obrazki" / "miod-lipowy.jpg");
    const std::size_t scan = bytes.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    writeFile(work_ / "uszkodzony.jpg", bytes.insert(scan, std::string("\0\x11\x22\x33", 4)));
    fs::copy_file(Examples / "obrazki" / "miod-lipowy.jpg", work_ / "dobry.jpg");
    saveProject({"uszkodzony.jpg", "dobry.jpg"});

    const Finished r = run(work_, {"--styl", "nowoczesny", "projekt.esk", "wynik/sklep.html"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    const std::string line =
        "” użyto, choć jego plik jest uszkodzony; sprawdź, czy na stronie wygląda dobrze.\n";
    ASSERT_NE(r.Err.find("targello-export: uwaga: Obrazek „"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("uszkodzony.jpg" + line), std::string::npos) << r.Err;
    EXPECT_EQ(r.Err.find(line), r.Err.rfind(line)) << "one line, for the damaged picture alone: " << r.Err;
    EXPECT_EQ(r.Err.find("Corrupt"), std::string::npos) << "libjpeg's English stays off stderr: " << r.Err;
    EXPECT_TRUE(fs::exists(work_ / "wynik" / "sklep" / "uszkodzony.jpg"));
}
