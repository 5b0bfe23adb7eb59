#include "ExportCliFixture.h"
#include "ShellCommand.h"
#include "core/project/ProjectSave.h"
#include "core/project/Utf8Path.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

using namespace targello;
using namespace targello::testing;
namespace fs = std::filesystem;

TEST_F(ExportCli, SampleExportsFromTheExamplesFolder) {
    const Finished r = run(Examples, {"sklep.esk", (work_ / "wynik" / "sklep.html").string()});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Err, "");

    const std::string page = contents(work_ / "wynik" / "sklep.html");
    EXPECT_NE(page.find("charset=ISO-8859-2"), std::string::npos);
    EXPECT_NE(page.find("mailto:zamowienia@spizarnia.example.pl"), std::string::npos);
    for (const char* picture : SamplePictures) {
        EXPECT_NE(page.find(std::string("sklep/") + picture), std::string::npos) << picture;
        EXPECT_EQ(contents(work_ / "wynik" / "sklep" / picture), contents(Examples / "obrazki" / picture))
            << picture;
    }
    EXPECT_EQ(contents(work_ / "wynik" / "sklep" / "tekstura.jpg"), contents(Examples / "tekstura.jpg"));
}

TEST_F(ExportCli, RelativePathsAreTakenFromTheCurrentFolder) {
    const fs::path sample = copyOfSample();
    const Finished relative = run(sample, {"sklep.esk", "../wynik/sklep.html"});
    ASSERT_EQ(relative.Exit, 0) << relative.Err;
    for (const char* picture : SamplePictures)
        EXPECT_TRUE(fs::exists(work_ / "wynik" / "sklep" / picture)) << picture;

    // The same export through absolute paths writes the same page.
    fs::create_directories(work_ / "inny");
    const Finished absolute =
        run(work_ / "inny", {(sample / "sklep.esk").string(), (work_ / "inny" / "sklep.html").string()});
    EXPECT_EQ(contents(work_ / "inny" / "sklep.html"), contents(work_ / "wynik" / "sklep.html"));
    // Run from elsewhere, the sample's relative picture paths name no files:
    // the page is written and every missing picture is named.
    EXPECT_EQ(absolute.Exit, 3) << absolute.Err;
    EXPECT_FALSE(fs::exists(work_ / "inny" / "sklep" / "ser.jpg"));
    EXPECT_NE(absolute.Err.find("targello-export: Obrazek „obrazki/ser.jpg” nie został skopiowany: "
                                "plik nie istnieje.\n"),
              std::string::npos)
        << absolute.Err;
}

TEST_F(ExportCli, PolishLettersAndBlanksInEveryPath) {
    const fs::path sample = copyOfSample(PathFromUtf8("Zdjęcia Łucji"));
    fs::rename(sample / "sklep.esk", sample / PathFromUtf8("mój sklep.esk"));
    const fs::path output = work_ / PathFromUtf8("Wyniki sklepu ćma");
    fs::create_directories(output);

    const Finished r = run(sample, {"mój sklep.esk", Utf8FromPath(output / PathFromUtf8("sklep żółw.html"))});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(contents(output / PathFromUtf8("sklep żółw.html")).find("mailto:"), std::string::npos);
    for (const char* picture : SamplePictures)
        EXPECT_EQ(contents(output / PathFromUtf8("sklep żółw") / picture),
                  contents(sample / "obrazki" / picture))
            << picture;

    // Messages name the files exactly as they were given.
    const std::string project = Utf8FromPath(sample / PathFromUtf8("mój sklep.esk"));
    const std::string nowhere = Utf8FromPath(work_ / PathFromUtf8("Brak ćmy") / "sklep.html");
    const Finished missing = run(work_, {project, nowhere});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_EQ(missing.Err,
              "targello-export: folder, w którym ma powstać strona „" + nowhere + "”, nie istnieje.\n");
    const Finished damaged = run(work_, {"źle.esk", "sklep.html"});
    EXPECT_EQ(damaged.Err, "targello-export: Nie można otworzyć projektu „źle.esk”: plik nie istnieje.\n");
}

TEST_F(ExportCli, DriveRelativePathsAreTakenFromTheDrivesCurrentFolder) {
#ifndef _WIN32
    GTEST_SKIP() << "drive letters are Windows paths";
#else
    // "C:wynik\x.html" names x.html in the folder wynik under the current
    // folder of drive C:, which the command prompt keeps per drive.
    const fs::path sample = copyOfSample();
    const std::string drive = Utf8FromPath(work_.root_name());
    const Finished r = run(sample, {"sklep.esk", drive + "..\\wynik\\sklep ąę.html"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_TRUE(fs::is_regular_file(work_ / "wynik" / PathFromUtf8("sklep ąę.html")));
    for (const char* picture : SamplePictures)
        EXPECT_TRUE(fs::is_regular_file(work_ / "wynik" / PathFromUtf8("sklep ąę") / picture)) << picture;
#endif
}

TEST_F(ExportCli, ProjectThatCannotBeOpenedWritesNothing) {
    const Finished missing = run(work_, {"brak.esk", "wynik/sklep.html"});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_EQ(missing.Err, "targello-export: Nie można otworzyć projektu „brak.esk”: plik nie istnieje.\n");

    const std::string sample = contents(Examples / "sklep.esk");
    std::ofstream(work_ / "uciety.esk", std::ios::binary) << sample.substr(0, sample.size() - 10);
    const Finished damaged = run(work_, {"uciety.esk", "wynik/sklep.html"});
    EXPECT_EQ(damaged.Exit, 1);
    EXPECT_NE(damaged.Err.find("„uciety.esk”: plik jest uszkodzony albo nie jest projektem sklepu"),
              std::string::npos)
        << damaged.Err;
    EXPECT_TRUE(fs::is_empty(work_ / "wynik")) << "neither the page nor its picture folder";
}

TEST_F(ExportCli, OutputThatCannotBeWrittenFailsBeforeCopyingAnything) {
    const fs::path sample = copyOfSample();
    const std::string noFolder = (work_ / "brak" / "sklep.html").string();
    const Finished missing = run(sample, {"sklep.esk", noFolder});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_EQ(missing.Err,
              "targello-export: folder, w którym ma powstać strona „" + noFolder + "”, nie istnieje.\n");

    // A folder as the page: its name has no "." so the pictures would land
    // in the folder above it.
    fs::create_directories(work_ / "wynik" / "katalog");
    const Finished ontoFolder = run(work_ / "wynik", {(sample / "sklep.esk").string(), "katalog"});
    EXPECT_EQ(ontoFolder.Exit, 1);
    EXPECT_EQ(ontoFolder.Err, "targello-export: „katalog” jest folderem; podaj nazwę pliku strony.\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(work_ / "wynik"), {}), 1);
    EXPECT_TRUE(fs::is_empty(work_ / "wynik" / "katalog"));
}

TEST_F(ExportCli, PageThatCannotBeWrittenIsReported) {
    // Every write to /dev/full fails as on a full disk, whoever runs the test.
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const fs::path sample = copyOfSample();
    const Finished r = run(sample, {"sklep.esk", "/dev/full"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err.rfind("targello-export: ", 0), 0u);
    EXPECT_NE(r.Err.find("/dev/full"), std::string::npos) << r.Err;
}

TEST_F(ExportCli, PageNeverReplacesTheProject) {
    const fs::path sample = copyOfSample();
    const std::string before = contents(sample / "sklep.esk");
    const Finished r = run(sample, {"sklep.esk", "./sklep.esk"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err, "targello-export: strona nie może zastąpić pliku projektu „sklep.esk”.\n");
    EXPECT_EQ(contents(sample / "sklep.esk"), before);
}

TEST_F(ExportCli, OrderAddressThatTakesNoMailIsWarnedAboutAndTheShopStillWritten) {
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    page.Settings.OrderEmail = "zosia.spizarnia.pl";
    ASSERT_EQ(SaveProject(page, (work_ / "adres.esk").string()), "");

    const Finished r = run(work_, {"adres.esk", "wynik/adres.html"});
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Err, "targello-export: uwaga: Pole „adres e-mail na który będzie przesyłane zamówienie”: "
                     "brak znaku „@”.\n");
    EXPECT_TRUE(fs::exists(work_ / "wynik/adres.html"));
}

TEST_F(ExportCli, StoredPriceThatIsNoAmountIsReplacedWithAWarning) {
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    page.InsertItem();
    page.InsertItem();
    page.Item(1).Name = "Kubek";
    page.Item(1).Price = "dwa złote";
    ASSERT_EQ(SaveProject(page, (work_ / "ceny.esk").string()), "");

    const Finished r = run(work_, {"ceny.esk", "wynik/ceny.html"});
    EXPECT_EQ(r.Exit, 0);
    EXPECT_EQ(r.Err, "targello-export: uwaga: Nieprawidłowy wpis kwoty w produkcie 2 („Kubek”): "
                     "„dwa złote” zastąpiono przez „0,00”.\n");
    const std::string html = contents(work_ / "wynik" / "ceny.html");
    EXPECT_EQ(html.find("dwa z"), std::string::npos);
    EXPECT_NE(html.find("0,00"), std::string::npos);
}

TEST_F(ExportCli, HelpAndWrongArguments) {
    const Finished help = run(work_, {"--help"});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_EQ(help.Out.rfind("Użycie: targello-export PROJEKT.esk WYNIK.html\n", 0), 0u);
    EXPECT_EQ(help.Err, "");

    const Finished none = run(work_, {});
    EXPECT_EQ(none.Exit, 2);
    EXPECT_NE(none.Err.find("Użycie:"), std::string::npos);
    EXPECT_EQ(run(work_, {"a.esk"}).Exit, 2);
    EXPECT_EQ(run(work_, {"a.esk", "b.html", "c"}).Exit, 2);
    const Finished option = run(work_, {"--force", "a.esk", "b.html"});
    EXPECT_EQ(option.Exit, 2);
    EXPECT_NE(option.Err.find("nieznana opcja „--force”"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(work_ / "wynik"));
}

TEST_F(ExportCli, CommittedSampleIsWhatItsMakerWrites) {
    const Finished r = run(work_, {"nowy.esk"}, TARGELLO_MAKE_SAMPLE);
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(contents(work_ / "nowy.esk"), contents(Examples / "sklep.esk"))
        << "run examples/make-sample.sh after changing examples/MakeSample.cpp";
}

TEST_F(ExportCli, ModernPageFollowsTheProjectAndTheStyleOption) {
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    page.InsertItem();
    page.Item(0).Name = "Miód „lipowy”";
    page.Item(0).Price = "24,50";
    page.Settings.ModernPage = true;
    ASSERT_EQ(SaveProject(page, (work_ / "nowy.esk").string()), "");
    page.Settings.ModernPage = false;
    ASSERT_EQ(SaveProject(page, (work_ / "stary.esk").string()), "");

    const auto isModern = [&](const char* name) {
        return contents(work_ / "wynik" / name).rfind("<!DOCTYPE html>", 0) == 0;
    };
    ASSERT_EQ(run(work_, {"nowy.esk", "wynik/a.html"}).Exit, 0);
    EXPECT_TRUE(isModern("a.html"));
    EXPECT_NE(contents(work_ / "wynik" / "a.html").find("Miód „lipowy”"), std::string::npos); // UTF-8
    ASSERT_EQ(run(work_, {"stary.esk", "wynik/b.html"}).Exit, 0);
    EXPECT_FALSE(isModern("b.html"));
    const Finished modern = run(work_, {"--styl", "nowoczesny", "stary.esk", "wynik/c.html"});
    ASSERT_EQ(modern.Exit, 0);
    // A shop without its seller and terms is written, with a warning.
    EXPECT_EQ(modern.Err.rfind("targello-export: uwaga: Sklep zapisano, ale brakuje w nim:", 0), 0u)
        << modern.Err;
    EXPECT_TRUE(isModern("c.html"));
    ASSERT_EQ(run(work_, {"nowy.esk", "--styl=klasyczny", "wynik/d.html"}).Exit, 0);
    EXPECT_FALSE(isModern("d.html"));
    // The classic page of a modern project is the classic page, byte for byte.
    const std::string classicOfModern = contents(work_ / "wynik" / "d.html");
    ASSERT_EQ(run(work_, {"stary.esk", "wynik/d.html"}).Exit, 0);
    EXPECT_EQ(classicOfModern, contents(work_ / "wynik" / "d.html"));

    const Finished wrong = run(work_, {"--styl", "zielony", "nowy.esk", "wynik/e.html"});
    EXPECT_EQ(wrong.Exit, 2);
    EXPECT_NE(wrong.Err.find("nieznany styl „zielony”; podaj „klasyczny” albo „nowoczesny”."),
              std::string::npos);
    EXPECT_EQ(run(work_, {"nowy.esk", "wynik/e.html", "--styl"}).Exit, 2);
    EXPECT_FALSE(fs::exists(work_ / "wynik" / "e.html"));
}

TEST_F(ExportCli, ModernPageNamesPicturesItCouldNotUse) {
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    page.InsertItem();
    page.Item(0).PicturePath = (work_ / "brak.jpg").string();
    page.InsertItem();
    fs::create_directories(work_ / "folder.jpg");
    page.Item(1).PicturePath = (work_ / "folder.jpg").string();
    page.Settings.Selling.SellerName = "Pasieka";
    page.Settings.Selling.Terms = page.Settings.Selling.Privacy = "Regulamin";
    ASSERT_EQ(SaveProject(page, (work_ / "sklep.esk").string()), "");
    const Finished r = run(work_, {"--styl", "nowoczesny", "sklep.esk", "wynik/sklep.html"});
    EXPECT_EQ(r.Exit, 3);
    EXPECT_EQ(r.Err, "targello-export: Obrazek „" + (work_ / "brak.jpg").string() +
                         "” nie został skopiowany: plik nie istnieje.\n"
                         "targello-export: Obrazek „" +
                         (work_ / "folder.jpg").string() + "” nie został skopiowany: to jest folder.\n");
    EXPECT_TRUE(fs::exists(work_ / "wynik" / "sklep.html"));
}

TEST_F(ExportCli, LinksThatRunCodeAreToldOnceAndChangeNoExitCode) {
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    page.InsertItem();
    page.Settings.PageLayout = 2;
    page.Settings.MenuLinks[0] = {"Promocja", "\tjavascript:alert(1)"};
    page.Settings.MenuLinks[1] = {"Regulamin", "regulamin.html"};
    // A shop that names its seller and terms, so that the link is all there is to tell.
    page.Settings.Selling.SellerName = "Pasieka";
    page.Settings.Selling.SellerAddress = "Łęg 1";
    page.Settings.Selling.SellerNip = "osoba fizyczna";
    page.Settings.Selling.Terms = "§ 1.";
    page.Settings.Selling.Privacy = "Dane.";
    ASSERT_EQ(SaveProject(page, (work_ / "obcy.esk").string()), "");
    for (const char* style : {"klasyczny", "nowoczesny"}) {
        const Finished r = run(work_, {"--styl", style, "obcy.esk", "wynik/sklep.html"});
        EXPECT_EQ(r.Exit, 0) << style;
        EXPECT_EQ(r.Err,
                  "targello-export: uwaga: Link menu „Promocja” prowadzi do adresu „javascript:”, który "
                  "uruchamia kod; zapisano go jako nieaktywny.\n")
            << style;
        const std::string html = contents(work_ / "wynik" / "sklep.html");
        EXPECT_EQ(html.find("alert(1)"), std::string::npos) << style;
        EXPECT_NE(html.find("href=\"regulamin.html\""), std::string::npos) << style;
    }
}
