#include "core/session/RecentProjects.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace targello;

using Paths = std::vector<std::string>;

TEST(RecentProjects, MostRecentFirstAtMostEightAndReopeningMovesToTheFront) {
    RecentProjects recent;
    for (int k = 1; k <= 10; ++k)
        recent.Add("/sklepy/" + std::to_string(k) + ".esk");
    ASSERT_EQ(recent.Paths().size(), 8u);
    EXPECT_EQ(recent.Paths().front(), "/sklepy/10.esk");
    EXPECT_EQ(recent.Paths().back(), "/sklepy/3.esk");

    recent.Add("/sklepy/./5.esk");
    EXPECT_EQ(recent.Paths().size(), 8u) << "the same file is listed once";
    EXPECT_EQ(recent.Paths()[0], "/sklepy/./5.esk");
    EXPECT_EQ(recent.Paths()[1], "/sklepy/10.esk");
    EXPECT_EQ(recent.Paths().back(), "/sklepy/3.esk");

    EXPECT_TRUE(recent.Remove("/sklepy/10.esk"));
    EXPECT_FALSE(recent.Remove("/sklepy/10.esk"));
    EXPECT_EQ(recent.Paths()[1], "/sklepy/9.esk");
    recent.Add("");
    EXPECT_EQ(recent.Paths().size(), 7u);
}

TEST(RecentProjects, TheStoredFormComesBackAndBadStoredListsAreTidied) {
    RecentProjects recent;
    recent.Add("/a/Łódź.esk");
    recent.Add("C:\\Sklepy\\b.esk");
    const RecentProjects again(recent.Stored());
    EXPECT_EQ(again.Paths(), (Paths{"C:\\Sklepy\\b.esk", "/a/Łódź.esk"}));

    Paths stored{"", "/x.esk", "/y.esk", "/x.esk"};
    for (int k = 0; k < 10; ++k)
        stored.push_back("/z" + std::to_string(k) + ".esk");
    const RecentProjects tidied(stored);
    ASSERT_EQ(tidied.Paths().size(), 8u);
    EXPECT_EQ(tidied.Paths()[0], "/x.esk");
    EXPECT_EQ(tidied.Paths()[1], "/y.esk");
    EXPECT_EQ(tidied.Paths()[2], "/z0.esk");
}

TEST(RecentProjects, AProjectThatIsGoneIsForgottenWithAMessage) {
    const auto present = std::filesystem::temp_directory_path() / "targello-ostatni-test.esk";
    { std::ofstream(present) << "x"; }
    const std::string gone =
        (std::filesystem::temp_directory_path() / "targello-nie-ma-takiego.esk").string();
    RecentProjects recent;
    recent.Add(gone);
    recent.Add(present.string());
    EXPECT_EQ(recent.ForgetIfMissing(present.string()), "");
    EXPECT_EQ(recent.ForgetIfMissing(gone),
              "Projekt „" + gone + "” już nie istnieje. Usunięto go z listy ostatnio otwieranych.");
    EXPECT_EQ(recent.Paths(), (Paths{present.string()}));
    EXPECT_EQ(recent.ForgetIfMissing(gone), "") << "told once";
    std::filesystem::remove(present);
}
