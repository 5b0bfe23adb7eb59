#include "core/settings/PathRules.h"

#include <gtest/gtest.h>

using targello::PathRules;
using targello::PathStyle;

namespace {
const PathRules Windows(PathStyle::Windows);
const PathRules Posix(PathStyle::Posix);
} // namespace

TEST(PathRules, OutputFolderKeepsTheRootsSeparator) {
    EXPECT_EQ(Windows.OutputFolder(R"(C:\www\sklep.html)"), R"(C:\www)");
    EXPECT_EQ(Windows.OutputFolder(R"(C:\a.html)"), R"(C:\)");
    EXPECT_EQ(Windows.OutputFolder(R"(\\serwer\dział\a.html)"), R"(\\serwer\dział)");
    EXPECT_EQ(Windows.OutputFolder("C:a.html"), "C:");
    EXPECT_EQ(Windows.OutputFolder("a.html"), "");
    // Qt's file dialogs give forward slashes on Windows too.
    EXPECT_EQ(Windows.OutputFolder("C:/www/sklep.html"), "C:/www");

    EXPECT_EQ(Posix.OutputFolder("/www/sklep.html"), "/www");
    EXPECT_EQ(Posix.OutputFolder("/a.html"), "/");
    EXPECT_EQ(Posix.OutputFolder("a.html"), "");
    EXPECT_EQ(Posix.OutputFolder(R"(/www/a\b.html)"), "/www"); // a backslash is a POSIX name's character
}

TEST(PathRules, FileNameIsTheTextAfterTheLastSeparator) {
    EXPECT_EQ(Windows.FileName(R"(C:\zdjęcia\żółw.jpg)"), "żółw.jpg");
    EXPECT_EQ(Windows.FileName("C:/zdjęcia/a b.jpg"), "a b.jpg");
    EXPECT_EQ(Windows.FileName("Kliknij aby wczytać obrazek"), "Kliknij aby wczytać obrazek");
    EXPECT_EQ(Windows.FileName(R"(C:\folder\)"), "");
    EXPECT_EQ(Posix.FileName("/zdjęcia/żółw.jpg"), "żółw.jpg");
    EXPECT_EQ(Posix.FileName(R"(/x/a\b.jpg)"), R"(a\b.jpg)");
}

TEST(PathRules, JoinPutsOneSeparatorBetween) {
    EXPECT_EQ(Windows.Join(R"(C:\www)", "sklep"), R"(C:\www\sklep)");
    EXPECT_EQ(Windows.Join(R"(C:\)", "sklep"), R"(C:\sklep)");
    EXPECT_EQ(Windows.Join(R"(C:\www)", ""), R"(C:\www\)");
    EXPECT_EQ(Windows.Join("", "sklep"), "sklep");
    EXPECT_EQ(Posix.Join("/www", "sklep"), "/www/sklep");
    EXPECT_EQ(Posix.Join("/", "sklep"), "/sklep");
}

TEST(PathRules, ExportBaseNameIsTheFileNameBeforeItsLastDot) {
    EXPECT_EQ(Windows.ExportBaseName(R"(C:\www\sklep.html)"), "sklep");
    EXPECT_EQ(Windows.ExportBaseName(R"(C:\www\a.b.html)"), "a.b");
    EXPECT_EQ(Windows.ExportBaseName(R"(C:\www\sklep)"), "");
    EXPECT_EQ(Windows.ExportBaseName(R"(C:\moje.pliki\sklep)"), ""); // a dot in the folder is no extension
    EXPECT_EQ(Posix.ExportBaseName("/www/a.b.html"), "a.b");
    EXPECT_EQ(Posix.ExportBaseName("/moje.pliki/sklep"), "");
}

TEST(PathRules, DriveAndDirectoryParts) {
    EXPECT_EQ(Windows.DrivePart(R"(C:\shop\a.htm)"), "C:");
    EXPECT_EQ(Windows.DrivePart(R"(\\serwer\udział\a.htm)"), R"(\\serwer\udział)");
    EXPECT_EQ(Windows.DrivePart(R"(\shop\a.htm)"), "");
    EXPECT_EQ(Windows.DirectoryPart(R"(C:\shop\a.htm)"), R"(C:\shop)");
    EXPECT_EQ(Windows.DirectoryPart(R"(C:\a.htm)"), R"(C:\)");
    EXPECT_EQ(Windows.DirectoryPart("a.htm"), "");

    EXPECT_EQ(Posix.DrivePart("/shop/a.htm"), "");
    EXPECT_EQ(Posix.DirectoryPart("/shop/a.htm"), "/shop");
    EXPECT_EQ(Posix.DirectoryPart("/a.htm"), "/");
}
