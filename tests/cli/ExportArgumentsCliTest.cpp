#include "ExportCliFixture.h"
#include "core/project/ProjectSave.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

using namespace targello;
using namespace targello::testing;

namespace {

std::string OnPosix([[maybe_unused]] const char* text) {
#ifdef _WIN32
    return "Nie można zapisać strony";
#else
    return text;
#endif
}

struct ArgumentShape {
    std::vector<std::string> Args; // "@" stands for the work folder
    int Exit;
    std::string Err; // a part of what is told; "" asks for nothing on stderr
};

const ArgumentShape Shapes[] = {
    {{}, 2, "podaj plik projektu i plik strony"},
    {{"--help"}, 0, ""},
    {{"-h", "a", "b", "c"}, 0, ""},
    {{"p.esk"}, 2, "Użycie:"},
    {{"p.esk", "wynik/a.html", "c"}, 2, "Użycie:"},
    {{"--styl"}, 2, "po „--styl” podaj"},
    {{"--styl=", "p.esk", "wynik/a.html"}, 2, "nieznany styl „”"},
    {{"--styl", "gotycki", "p.esk", "wynik/a.html"}, 2, "nieznany styl „gotycki”"},
    {{"--force", "p.esk", "wynik/a.html"}, 2, "nieznana opcja „--force”"},
    {{"p.esk", ""}, 2, "nazwa pliku strony jest pusta"},
    {{"", "wynik/a.html"}, 2, "nazwa pliku projektu jest pusta"},
    {{"--styl", "nowoczesny", "p.esk", ""}, 2, "nazwa pliku strony jest pusta"},
    {{"p.esk", "wynik/"}, 2, "„wynik/” nie jest nazwą pliku strony"},
    {{"p.esk", "."}, 2, "„.” nie jest nazwą pliku strony"},
    {{"p.esk", "wynik/.."}, 2, "„wynik/..” nie jest nazwą pliku strony"},
    {{"brak.esk", "wynik/a.html"}, 1, "Nie można otworzyć projektu „brak.esk”"},
    {{"--", "-p.esk", "wynik/a.html"}, 1, "Nie można otworzyć projektu „-p.esk”"},
    {{"p.esk", "brak/a.html"}, 1, "nie istnieje"},
    {{"p.esk", "p.esk"}, 1, "nie może zastąpić pliku projektu"},
    // Windows names this fault in its own way (wine as "access denied").
    {{"p.esk", "wynik/" + std::string(300, 'x') + ".html"}, 1, OnPosix("nazwa jest za długa")},
    {{"p.esk", "wynik/a.html"}, 0, ""},
    {{"--styl=nowoczesny", "p.esk", "wynik/b"}, 0, ""},
};

class ExportArguments : public ExportCli {
protected:
    void SetUp() override {
        ExportCli::SetUp();
        ShopWorkspace workspace;
        ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
        page.InsertItem();
        // A shop that names its seller and terms: a modern export that works says nothing.
        page.Settings.Selling.SellerName = "Pasieka";
        page.Settings.Selling.Terms = "§ 1.";
        page.Settings.Selling.Privacy = "Dane.";
        ASSERT_EQ(SaveProject(page, Utf8FromPath(work_ / "p.esk")), "");
    }
};

} // namespace

TEST_F(ExportArguments, EveryShapeEndsWithAPolishLineAndAKnownExitCode) {
    for (const ArgumentShape& shape : Shapes) {
        std::string shown;
        for (const std::string& arg : shape.Args)
            shown += "[" + arg.substr(0, 20) + "]";
        const Finished r = run(work_, shape.Args);
        EXPECT_EQ(r.Exit, shape.Exit) << shown << "\n" << r.Err;
        if (shape.Err.empty())
            EXPECT_EQ(r.Err, "") << shown;
        else
            EXPECT_NE(r.Err.find("targello-export: "), std::string::npos) << shown << "\n" << r.Err;
        EXPECT_NE(r.Err.find(shape.Err), std::string::npos) << shown << "\n" << r.Err;
        EXPECT_EQ(r.Err.find("terminate"), std::string::npos) << shown << "\n" << r.Err;
    }
}

#ifndef _WIN32
// The current folder removed under the program: the system cannot name it,
// and the library throws where the program asks for it.
TEST_F(ExportArguments, VanishedCurrentFolderIsToldNotAborted) {
    const fs::path gone = work_ / "usuniety";
    fs::create_directories(gone);
    const fs::path script = work_ / "bez-folderu.sh";
    std::ofstream(script) << "#!/bin/sh\nrmdir \"$PWD\" && exec " << ShellQuoted(TARGELLO_EXPORT_PROGRAM)
                          << " \"$@\"\n";
    fs::permissions(script, fs::perms::owner_all);
    const Finished r =
        run(gone, {Utf8FromPath(work_ / "p.esk"), Utf8FromPath(work_ / "wynik" / "a.html")}, script.string());
    EXPECT_EQ(r.Exit, 1) << r.Err;
    EXPECT_EQ(r.Err, "targello-export: nie udało się wygenerować sklepu: plik nie istnieje.\n");
    EXPECT_FALSE(fs::exists(work_ / "wynik" / "a.html"));
}
#endif
