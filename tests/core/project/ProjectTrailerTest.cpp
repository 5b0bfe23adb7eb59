#include "core/project/ProjectTrailer.h"

#include "ProjectTestPages.h"
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectToPage.h"
#include "core/workspace/ShopWorkspace.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

std::string trailer(std::string_view body) {
    std::string bytes = "TARGELLO";
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((body.size() >> shift) & 0xFF);
    return bytes + std::string(body);
}

std::string bytesOf(const ShopPage& page) {
    return ProjectBytesFromPage(page).Value.value();
}

ShopPage reopened(const std::string& bytes) {
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "sklep.esk");
    EXPECT_TRUE(read) << read.Error;
    ShopPage page = FreshPage();
    if (read)
        ApplyProjectToPage(*read.Value, page);
    return page;
}

std::string refusalOf(const std::string& bytes) {
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "sklep.esk");
    EXPECT_FALSE(read);
    return read.Error;
}

} // namespace

TEST(ProjectTrailer, ClassicProjectHasNoTrailer) {
    ShopPage page = FullPage(3);
    EXPECT_EQ(bytesOf(page).size(), ProjectLayout::FileSize(3));
    // Choosing the classic page explicitly is still nothing to say.
    ShopPage read = reopened(bytesOf(page) + trailer("strona=klasyczna\n"));
    EXPECT_FALSE(read.Settings.ModernPage);
    EXPECT_EQ(bytesOf(read), bytesOf(page));
}

TEST(ProjectTrailer, ModernChoiceIsWrittenAfterTheLinksAndComesBack) {
    ShopPage page = FullPage(2);
    page.Settings.ModernPage = true;
    const std::string bytes = bytesOf(page);
    ASSERT_EQ(bytes.size(), ProjectLayout::FileSize(2) + 12 + 18);
    EXPECT_EQ(bytes.substr(ProjectLayout::FileSize(2)), trailer("strona=nowoczesna\n"));
    // The fixed part is the same file as without the choice.
    page.Settings.ModernPage = false;
    EXPECT_EQ(bytes.substr(0, ProjectLayout::FileSize(2)), bytesOf(page));

    const ShopPage read = reopened(bytes);
    EXPECT_TRUE(read.Settings.ModernPage);
    EXPECT_EQ(read.Settings.MenuLinks, page.Settings.MenuLinks);
    EXPECT_EQ(bytesOf(read), bytes);
}

TEST(ProjectTrailer, UnknownLinesAreKeptAndWrittenBack) {
    const std::string body = "motyw=ciemny\nstrona=nowoczesna\nopis.sklepu=Ceramika z Łęgu = piękna\n";
    const ShopPage read = reopened(bytesOf(FreshPage()) + trailer(body));
    EXPECT_TRUE(read.Settings.ModernPage);
    EXPECT_EQ(read.Settings.OtherProjectLines,
              (std::vector<std::string>{"motyw=ciemny", "opis.sklepu=Ceramika z Łęgu = piękna"}));
    EXPECT_EQ(reopened(bytesOf(read)).Settings, read.Settings);

    // A page kind this program does not know is kept, and shown as classic.
    ShopPage future = reopened(bytesOf(FreshPage()) + trailer("strona=ciemna\n"));
    EXPECT_FALSE(future.Settings.ModernPage);
    EXPECT_EQ(bytesOf(future).substr(ProjectLayout::FileSize(0)), trailer("strona=ciemna\n"));
    // Ticking the modern page replaces it rather than adding a second line.
    future.Settings.ModernPage = true;
    EXPECT_EQ(bytesOf(future).substr(ProjectLayout::FileSize(0)), trailer("strona=nowoczesna\n"));
}

TEST(ProjectTrailer, ClassicReaderSeesTheSameFixedPart) {
    ShopPage page = FullPage(4);
    page.Settings.ModernPage = true;
    const std::string withTrailer = bytesOf(page);
    // What a reader of the fixed layout takes: the item count's worth of bytes.
    const std::string fixedPart = withTrailer.substr(0, ProjectLayout::FileSize(IntegerAt(withTrailer, 0)));
    const ProjectOutcome<ProjectRecord> classic = ParseProject(fixedPart, "sklep.esk");
    const ProjectOutcome<ProjectRecord> full = ParseProject(withTrailer, "sklep.esk");
    ASSERT_TRUE(classic);
    ASSERT_TRUE(full);
    ProjectRecord withoutLines = *full.Value;
    withoutLines.TrailerLines.clear();
    EXPECT_EQ(*classic.Value, withoutLines);
}

TEST(ProjectTrailer, DamagedTrailerIsRefused) {
    const std::string file = bytesOf(FreshPage());
    const std::string damaged =
        "Nie można otworzyć projektu „sklep.esk”: plik jest uszkodzony albo nie jest projektem sklepu (";
    const std::string good = trailer("strona=nowoczesna\n");
    EXPECT_EQ(refusalOf(file + good.substr(0, good.size() - 1)),
              damaged + "długość dodatkowych ustawień (18) nie zgadza się z końcem pliku).");
    EXPECT_EQ(refusalOf(file + good + "x"),
              damaged + "długość dodatkowych ustawień (18) nie zgadza się z końcem pliku).");
    EXPECT_EQ(refusalOf(file + good + good), // two trailers
              damaged + "długość dodatkowych ustawień (18) nie zgadza się z końcem pliku).");
    EXPECT_EQ(refusalOf(file + "TARGELLO"),
              damaged + "po opisie linków są dane, które nie są dodatkowymi ustawieniami).");
    EXPECT_EQ(refusalOf(file + trailer("strona=nowoczesna")),
              damaged + "ostatni wiersz dodatkowych ustawień nie ma zakończenia).");
    EXPECT_EQ(refusalOf(file + trailer("strona\n")),
              damaged + "wiersz 1 dodatkowych ustawień nie ma znaku „=”).");
    EXPECT_EQ(refusalOf(file + trailer("a=1\n=2\n")),
              damaged + "wiersz 2 dodatkowych ustawień nie ma nazwy przed znakiem „=”).");
    EXPECT_EQ(refusalOf(file + trailer("a=1\r\n")),
              damaged + "wiersz 1 dodatkowych ustawień zawiera znak sterujący).");
    EXPECT_EQ(refusalOf(file + trailer(std::string("a=\0\n", 4))),
              damaged + "wiersz 1 dodatkowych ustawień zawiera znak sterujący).");
    EXPECT_EQ(refusalOf(file + trailer("a=\xB3\n")), damaged + "dodatkowe ustawienia nie są tekstem UTF-8).");
    EXPECT_EQ(refusalOf(file + trailer("strona=klasyczna\nstrona=nowoczesna\n")),
              damaged + "ustawienie „strona” występuje w pliku dwa razy).");
    // The size check still holds for data that is no trailer at all.
    EXPECT_NE(refusalOf(file + "xTARGELLO").find("nie zgadza się z liczbą produktów"), std::string::npos);
    // An empty trailer is well-formed and says nothing.
    EXPECT_TRUE(ParseProject(file + trailer(""), "sklep.esk"));
}

TEST(ProjectTrailer, OptionsCarryTheChoiceButNotTheUnknownLines) {
    ShopPage page = FreshPage();
    page.Settings.OtherProjectLines = {"motyw=ciemny"};
    EditedSettings edited = EditedSettings::initial();
    LoadPageIntoOptions(page.Settings, edited);
    EXPECT_FALSE(edited.Values.ModernPage);
    edited.Values.ModernPage = true;
    edited.Values.OtherProjectLines.clear();
    ApplyOptionsToPage(edited, page.Settings);
    EXPECT_TRUE(page.Settings.ModernPage);
    EXPECT_EQ(page.Settings.OtherProjectLines, std::vector<std::string>{"motyw=ciemny"});
    // A new page starts classic whatever the options show.
    EXPECT_FALSE(NewPageSettings(edited.Values).ModernPage);
}

TEST(ProjectTrailer, TextSettingsTravelOnOneLineEachAndComeBackAsTyped) {
    struct Case {
        std::string ShopSettings::*Member;
        std::string Text;
        std::string Line;
    };
    const std::vector<Case> cases = {
        {&ShopSettings::Description, "Miody z Łęgu.\nProsto od pszczelarza.",
         "opis=Miody z Łęgu.\\nProsto od pszczelarza."},
        {&ShopSettings::Description, "C:\\sklep\\n = nie nowa linia",
         "opis=C:\\\\sklep\\\\n = nie nowa linia"},
        {&ShopSettings::Description, "wiersz\r\ndrugi", "opis=wiersz\\ndrugi"},
        {&ShopSettings::PublicAddress, "https://spizarnia.pl/sklep.html",
         "adres.publiczny=https://spizarnia.pl/sklep.html"},
        {&ShopSettings::Publication, "ftps://zosia@ftp.spizarnia.pl:21/public_html",
         "publikacja=ftps://zosia@ftp.spizarnia.pl:21/public_html"},
    };
    for (const Case& c : cases) {
        ShopPage page = FullPage(1);
        page.Settings.*c.Member = c.Text;
        const std::string bytes = bytesOf(page);
        EXPECT_EQ(bytes.substr(ProjectLayout::FileSize(1)), trailer(c.Line + "\n")) << c.Line;
        const ShopPage read = reopened(bytes);
        const std::string expected = c.Text == "wiersz\r\ndrugi" ? "wiersz\ndrugi" : c.Text;
        EXPECT_EQ(read.Settings.*c.Member, expected) << c.Line;
        EXPECT_TRUE(read.Settings.OtherProjectLines.empty()) << c.Line;
        EXPECT_EQ(bytesOf(read), bytes) << c.Line;
    }
    // An escape this program never writes is kept as it stands.
    EXPECT_EQ(reopened(bytesOf(FreshPage()) + trailer("opis=a\\tb\\\n")).Settings.Description, "a\\tb\\");
}

TEST(ProjectTrailer, SellingSettingsTravelUnderTheirKeysAndDeliveryInItsOrder) {
    ShopPage page = FullPage(1);
    SellingSettings& s = page.Settings.Selling;
    s.SellerName = "Pasieka Łęg";
    s.SellerNip = "osoba fizyczna";
    s.Terms = "§ 1.\nSklep prowadzi…";
    s.Privacy = "Administratorem danych jest…";
    s.Delivery = {{"Kurier", "15,00"}, {"Odbiór osobisty; Łęg", "0"}};
    s.FreeDeliveryFrom = "200";
    s.TransferAccount = "PL61 1090 1014 0000 0712 1981 2874";
    s.CashOnDeliveryCost = "5,00";
    const std::string bytes = bytesOf(page);
    EXPECT_EQ(bytes.substr(ProjectLayout::FileSize(1)),
              trailer("sprzedawca.nazwa=Pasieka Łęg\nsprzedawca.nip=osoba fizyczna\n"
                      "regulamin=§ 1.\\nSklep prowadzi…\nprywatnosc=Administratorem danych jest…\n"
                      "dostawa.darmowa.od=200\nplatnosc.przelew.konto=PL61 1090 1014 0000 0712 1981 2874\n"
                      "platnosc.pobranie=5,00\ndostawa.1=Kurier;15,00\ndostawa.2=Odbiór osobisty; Łęg;0\n"));
    const ShopPage read = reopened(bytes);
    EXPECT_EQ(read.Settings.Selling, s);
    EXPECT_TRUE(read.Settings.OtherProjectLines.empty());
    EXPECT_EQ(bytesOf(read), bytes);

    // Lines written by hand come in by their numbers; "dostawa.x" is not ours and is kept.
    const ShopPage reordered = reopened(
        bytesOf(FreshPage()) + trailer("dostawa.10=Paczkomat;12\ndostawa.2=Kurier;15\ndostawa.x=?\n"));
    EXPECT_EQ(reordered.Settings.Selling.Delivery,
              (std::vector<DeliveryMethod>{{"Kurier", "15"}, {"Paczkomat", "12"}}));
    EXPECT_EQ(reordered.Settings.OtherProjectLines, std::vector<std::string>{"dostawa.x=?"});
}

TEST(ProjectTrailer, SettingsThatWouldNotOpenAgainAreNotSaved) {
    // "regulamin=" and the line's end take 11 bytes of the limit.
    const std::size_t fits = ProjectTrailer::MaxBodySize - 11;
    ShopPage page = FullPage(1);
    page.Settings.Selling.Terms = std::string(fits, 'a');
    EXPECT_EQ(reopened(bytesOf(page)).Settings.Selling.Terms, page.Settings.Selling.Terms);

    page.Settings.Selling.Terms += "ą";
    const ProjectOutcome<std::string> refused = ProjectBytesFromPage(page);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Error,
              "Nie można zapisać projektu: opis sklepu, regulamin i pozostałe dodatkowe ustawienia "
              "mają razem 1048578 bajtów, a w pliku projektu mieści się najwyżej 1 MiB (1048576 "
              "bajtów); skróć najdłuższy z tych tekstów.");
}
