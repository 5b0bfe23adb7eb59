#include "core/settings/RelativeLink.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

using targello::IsAddress;
using targello::PathStyle;
using targello::RelativeLink;

namespace {
std::string WindowsLink(const char* base, const char* target) {
    return RelativeLink(base, target, PathStyle::Windows);
}
std::string PosixLink(const char* base, const char* target) {
    return RelativeLink(base, target, PathStyle::Posix);
}
} // namespace

TEST(RelativeLink, TargetBelowThePagesFolder) {
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(C:\shop\pages\a.htm)"), "pages/a.htm");
    EXPECT_EQ(PosixLink("/shop/temp.htm", "/shop/pages/a.htm"), "pages/a.htm");
    // The common beginning reaches into the folder's name.
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(C:\shop\temp\a.htm)"), "temp/a.htm");
    EXPECT_EQ(PosixLink("/shop/temp.htm", "/shop/temp/a.htm"), "temp/a.htm");
}

TEST(RelativeLink, TargetInThePagesOwnFolderIsItsEscapedName) {
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(C:\shop\mój cennik.htm)"), "m%C3%B3j%20cennik.htm");
    EXPECT_EQ(PosixLink("/shop/temp.htm", "/shop/mój cennik.htm"), "m%C3%B3j%20cennik.htm");
}

TEST(RelativeLink, TargetOutsideClimbsOutOfThePagesFolder) {
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(C:\other\x.htm)"), "../other/x.htm");
    EXPECT_EQ(PosixLink("/shop/temp.htm", "/other/x.htm"), "../other/x.htm");
    EXPECT_EQ(WindowsLink(R"(C:\shop\out\temp.htm)", R"(C:\shop\b.htm)"), "../b.htm");
    EXPECT_EQ(PosixLink("/shop/out/temp.htm", "/shop/b.htm"), "../b.htm");
    EXPECT_EQ(WindowsLink(R"(C:\a\b\temp.htm)", R"(C:\x.htm)"), "../../x.htm");
    EXPECT_EQ(PosixLink("/a/b/temp.htm", "/x.htm"), "../../x.htm");
}

TEST(RelativeLink, SiblingFolderWhoseNameBeginsLikeThePagesFolderIsClimbedInto) {
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(C:\shopping\x.htm)"), "../shopping/x.htm");
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(C:\shop2\x.htm)"), "../shop2/x.htm");
    EXPECT_EQ(PosixLink("/shop/temp.htm", "/shopping/x.htm"), "../shopping/x.htm");
    EXPECT_EQ(PosixLink("/shop/temp.htm", "/shop2/x.htm"), "../shop2/x.htm");
}

TEST(RelativeLink, OtherDriveGivesAFileAddress) {
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(D:\x\y.htm)"), "file:///D:/x/y.htm");
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", R"(D:\moje pliki\y.htm)"), "file:///D:/moje%20pliki/y.htm");
    // Shares of one server share the beginning of their paths, not a drive.
    EXPECT_EQ(WindowsLink(R"(\\srv\a\temp.htm)", R"(\\srv\b\y.htm)"), "file://///srv/b/y.htm");
    // An empty target has no drive.
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", ""), "file:///");
}

TEST(RelativeLink, AddressesPassUnchanged) {
    for (const char* address : {"http://example.com/a b", "https://sklep.pl/?a=1&b=2", "mailto:jan@sklep.pl",
                                "ftp://pliki.pl/cennik.pdf", "file:///C:/x.htm"}) {
        EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", address), address);
        EXPECT_EQ(PosixLink("/shop/temp.htm", address), address);
    }
    EXPECT_TRUE(IsAddress("svn+ssh://host/repo"));
    EXPECT_FALSE(IsAddress(R"(C:\shop\a.htm)"));
    EXPECT_FALSE(IsAddress("C:a.htm"));
    EXPECT_FALSE(IsAddress("1x:abc"));
    EXPECT_FALSE(IsAddress("pages/a.htm"));
}

TEST(RelativeLink, EmptyBaseGivesNoAddress) {
    EXPECT_EQ(WindowsLink("", R"(C:\x.htm)"), "");
}

TEST(RelativeLink, ForwardSlashesAreReadAsWindowsSeparators) {
    EXPECT_EQ(WindowsLink("C:/shop/temp.htm", R"(C:\other\x.htm)"), "../other/x.htm");
    EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", "C:/shop/pages/a.htm"), "pages/a.htm");
}

TEST(RelativeLink, TargetsThatRunCodeAreWrittenInert) {
    const std::pair<const char*, const char*> cases[] = {
        {"JaVaScRiPt:alert(1)", "javascript"},
        {" \x01\x1Fjava\tscr\nip\rt:alert(1)", "javascript"},
        {"vbscript:msgbox(1)", "vbscript"},
        {"DATA:text/html,<script>alert(1)</script>", "data"},
        {"javascript.html", ""},
        {"dane/data:1.htm", ""},
        {"https://sklep.pl/javascript:x", ""},
    };
    for (const auto& [target, scheme] : cases) {
        EXPECT_EQ(targello::CodeRunningScheme(target), scheme) << target;
        if (*scheme != '\0') {
            EXPECT_EQ(WindowsLink(R"(C:\shop\temp.htm)", target), "#") << target;
            EXPECT_EQ(PosixLink("/shop/temp.htm", target), "#") << target;
        }
    }
}

TEST(RelativeLink, RelativeTargetsAreWrittenAsTheyStandFullPathsClimb) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"regulamin.html", "regulamin.html", "regulamin.html"},
        {R"(strony\o nas.html)", "strony/o%20nas.html", R"(strony\o%20nas.html)"},
        {"../cennik ł.htm", "../cennik%20%C5%82.htm", "../cennik%20%C5%82.htm"},
        {"/regulamin.html", "file:////regulamin.html", "../../regulamin.html"},
    };
    for (const auto& [target, windows, posix] : cases) {
        EXPECT_EQ(WindowsLink(R"(C:\a\b\temp.htm)", target), windows) << target;
        EXPECT_EQ(PosixLink("/a/b/temp.htm", target), posix) << target;
    }
}
