#include "ProjectTestPages.h"
#include "core/files/FileSync.h"
#include "core/files/FileWriteLimit.h"
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectSave.h"
#include "core/project/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace targello;
using namespace targello::testing;
namespace fs = std::filesystem;

namespace {

class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / ("targello-project-" + std::string(test->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return Utf8FromPath(folder_ / PathFromUtf8(name)); }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(Utf8FromPath(entry.path().filename()));
        return names;
    }
    static std::string contents(const std::string& file) {
        std::ifstream in(PathFromUtf8(file), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void put(const std::string& file, const std::string& bytes) {
        std::ofstream(PathFromUtf8(file), std::ios::binary) << bytes;
    }

    fs::path folder_;
};

} // namespace

TEST_F(ProjectFile, SaveThenReadGivesTheSameRecord) {
    const ShopPage page = FullPage(12);
    const std::string file = path("sklep ąę.esk");
    ASSERT_EQ(SaveProject(page, file), "");
    const ProjectOutcome<ProjectRecord> read = ReadProjectFile(file);
    ASSERT_TRUE(read) << read.Error;
    EXPECT_EQ(*read.Value, *RecordFromPage(page).Value);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"sklep ąę.esk"});
}

TEST_F(ProjectFile, SaveReplacesAnExistingFileWhole) {
    const std::string file = path("sklep.esk");
    put(file, std::string(200000, 'x'));
    ASSERT_EQ(SaveProject(FreshPage(), file), "");
    EXPECT_EQ(contents(file), ProjectBytesFromPage(FreshPage()).Value);
    EXPECT_EQ(filesInFolder().size(), 1u) << "no temporary file is left behind";
}

TEST_F(ProjectFile, FullDiskIsNamedInPolishAndKeepsTheOldFile) {
    const std::string file = path("sklep.esk");
    put(file, "stary");
    SetWriteLimitForTests(100);
    const std::string error = SaveProject(FreshPage(), file);
    SetWriteLimitForTests(std::nullopt);
    EXPECT_EQ(error, "Nie można zapisać projektu „" + file + "”: brak miejsca na dysku.");
    EXPECT_EQ(contents(file), "stary");
    EXPECT_EQ(filesInFolder().size(), 1u) << "no half-written temporary file";
}

TEST_F(ProjectFile, DiskThatCannotPutTheSaveDownKeepsTheOldFile) {
    // The bytes were taken but never reached the disk: renaming them over
    // the project would stake it on the system's cache.
    const std::string file = path("sklep.esk");
    put(file, "stary");
    SetSyncFailureForTests(true);
    const std::string error = SaveProject(FreshPage(), file);
    SetSyncFailureForTests(false);
    EXPECT_EQ(error, "Nie można zapisać projektu „" + file + "”: błąd odczytu lub zapisu dysku.");
    EXPECT_EQ(contents(file), "stary");
    EXPECT_EQ(filesInFolder().size(), 1u) << "no temporary file";
}

TEST_F(ProjectFile, RefusedPageLeavesTheOldFileAsItWas) {
    const std::string file = path("sklep.esk");
    put(file, "stary");
    ShopPage page = FreshPage();
    page.Settings.ShopTitle = std::string(300, 't');
    EXPECT_NE(SaveProject(page, file), "");
    EXPECT_EQ(contents(file), "stary");
    EXPECT_EQ(filesInFolder().size(), 1u);
}

TEST_F(ProjectFile, SaveIntoAMissingFolderOrOntoAFolderIsReported) {
    const std::string missing = path("brak/sklep.esk");
    EXPECT_EQ(WriteFileAtomically(missing, "abc"), "Nie można zapisać projektu „" + missing +
                                                       "”: folder, w którym ma powstać plik, nie istnieje.");
    fs::create_directory(folder_ / "katalog.esk");
    EXPECT_EQ(WriteFileAtomically(path("katalog.esk"), "abc"),
              "Nie można zapisać projektu „" + path("katalog.esk") + "”: to jest folder.");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"katalog.esk"});
}

TEST_F(ProjectFile, ReadingNamesTheFileAndTheProblem) {
    EXPECT_EQ(ReadProjectFile(path("brak.esk")).Error,
              "Nie można otworzyć projektu „" + path("brak.esk") + "”: plik nie istnieje.");
    EXPECT_EQ(ReadProjectFile(folder_.string()).Error,
              "Nie można otworzyć projektu „" + folder_.string() + "”: to jest folder.");

    // The largest project: 100 items and the largest trailer.
    put(path("duzy.esk"), std::string(144284 + 12 + 1048576 + 1, '\0'));
    EXPECT_EQ(ReadProjectFile(path("duzy.esk")).Error,
              "Nie można otworzyć projektu „" + path("duzy.esk") +
                  "”: plik jest uszkodzony albo nie jest projektem sklepu (plik jest dłuższy niż największy "
                  "projekt sklepu, 1192872 bajty).");

    // A project whose trailer says it is longer than any trailer may be.
    std::string tooLong = ProjectBytesFromPage(FreshPage()).Value.value() + "TARGELLO";
    tooLong += std::string("\x01\x00\x20\x00", 4); // 2 MiB + 1
    put(path("dlugi.esk"), tooLong + std::string((2u << 20) + 1, 'a'));
    EXPECT_EQ(
        ReadProjectFile(path("dlugi.esk")).Error,
        "Nie można otworzyć projektu „" + path("dlugi.esk") +
            "”: plik jest uszkodzony albo nie jest projektem sklepu (dodatkowe ustawienia są za długie: "
            "mają 2097153 bajty, a mogą mieć najwyżej 1 MiB (1048576 bajtów)).");
    EXPECT_NE(ParseProject(tooLong, "a.esk").Error.find("za długie: mają 2097153 bajty"), std::string::npos);

    // Two gigabytes of nothing are judged by their head, not read.
    {
        std::ofstream(PathFromUtf8(path("pusty.esk")), std::ios::binary);
        fs::resize_file(PathFromUtf8(path("pusty.esk")), std::uintmax_t{2} << 30);
    }
    EXPECT_NE(
        ReadProjectFile(path("pusty.esk")).Error.find("plik jest dłuższy niż największy projekt sklepu"),
        std::string::npos);

    // A file's name with a separator after it names no folder, but the file is there.
    put(path("plik.esk"), ProjectBytesFromPage(FreshPage()).Value.value());
    EXPECT_EQ(ReadProjectFile(path("plik.esk") + "/").Error,
              "Nie można otworzyć projektu „" + path("plik.esk") + "/”: nazwa kończy się ukośnikiem, a „" +
                  path("plik.esk") + "” jest plikiem, nie folderem; podaj ją bez ukośnika.");

    put(path("obraz.esk"), "GIF89a");
    EXPECT_NE(ReadProjectFile(path("obraz.esk")).Error.find("plik ma 6 bajtów"), std::string::npos);
}
