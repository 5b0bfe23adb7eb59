#include "core/project/ProjectReader.h"

#include "ProjectTestPages.h"
#include "core/project/PageToProject.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

// A valid file of two items to damage.
std::string twoItemFile() {
    ShopPage page = FreshPage();
    page.InsertItem();
    page.InsertItem();
    return ProjectBytesFromPage(page).Value.value();
}

std::string refusal(const std::string& bytes) {
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "C:\\sklepy\\stary.esk");
    EXPECT_FALSE(read);
    return read.Error;
}

const std::string Damaged = "Nie można otworzyć projektu „C:\\sklepy\\stary.esk”: plik jest uszkodzony albo "
                            "nie jest projektem sklepu (";

} // namespace

TEST(ProjectReader, SizeMustMatchTheItemCountExactly) {
    const std::string file = twoItemFile();
    EXPECT_EQ(refusal(""), Damaged + "plik ma 0 bajtów, a projekt sklepu ma ich co najmniej 16284 bajty).");
    EXPECT_EQ(refusal(file.substr(0, 16283)),
              Damaged + "plik ma 16283 bajty, a projekt sklepu ma ich co najmniej 16284 bajty).");
    EXPECT_EQ(refusal(file.substr(0, file.size() - 1)),
              Damaged + "długość pliku (18843 bajty) nie zgadza się z liczbą produktów (2), dla której plik "
                        "ma 18844 bajty).");
    EXPECT_EQ(refusal(file + "x"), Damaged + "długość pliku (18845 bajtów) nie zgadza się z liczbą produktów "
                                             "(2), dla której plik ma 18844 bajty).");
}

TEST(ProjectReader, ItemCountOutsideZeroToHundredIsRefused) {
    std::string file = twoItemFile();
    PutInteger(file, 0, -1);
    EXPECT_EQ(refusal(file), Damaged + "liczba produktów w pliku (-1) jest spoza zakresu 0–100).");
    // Even when the size would fit 101 items.
    std::string big = file + std::string(1280 * 99, '\0');
    PutInteger(big, 0, 101);
    EXPECT_EQ(refusal(big), Damaged + "liczba produktów w pliku (101) jest spoza zakresu 0–100).");
}

TEST(ProjectReader, ColumnsOutsideOneToFourAreRefused) {
    for (int columns : {0, 5, -3}) {
        std::string file = twoItemFile();
        PutInteger(file, 4, columns);
        EXPECT_EQ(refusal(file), Damaged + "liczba kolumn produktów (" + std::to_string(columns) +
                                     ") jest spoza zakresu 1–4).");
    }
    std::string file = twoItemFile();
    PutInteger(file, 4, 4);
    EXPECT_TRUE(ParseProject(file, "a.esk"));
}

TEST(ProjectReader, TextFieldWithoutItsNulIsRefused) {
    struct Case {
        std::size_t offset;
        std::size_t width;
        const char* label;
    };
    const std::size_t links = 984 + 2 * 1280;
    const Case cases[] = {
        {97, 255, "ścieżka tekstury"},
        {862, 50, "napis na przycisku koszyka"},
        {912, 70, "adres e-mail dla zamówień"},
        {984 + 1280 + 255, 20, "cena produktu 2"},
        {984 + 275, 750, "opis produktu 1"},
        {984 + 1280 + 1025, 255, "ścieżka obrazka produktu 2"},
        {links + 29 * 510 + 255, 255, "ścieżka linku 30"},
    };
    for (const Case& c : cases) {
        std::string file = twoItemFile();
        file.replace(c.offset, c.width, std::string(c.width, 'A'));
        EXPECT_EQ(refusal(file), Damaged + "pole „" + c.label + "” nie ma zakończenia tekstu).");
    }
}

TEST(ProjectReader, FlagOtherThanZeroOrOneIsRefused) {
    const std::pair<std::size_t, const char*> flags[] = {
        {80, "rodzaj formularza zamówienia"}, {982, "rodzaj nagłówka"}, {983, "użycie tekstury"}};
    for (const auto& [offset, label] : flags) {
        std::string file = twoItemFile();
        file[offset] = 2;
        EXPECT_EQ(refusal(file), Damaged + "pole „" + label + "” ma wartość 2, a może mieć tylko 0 lub 1).");
        file[offset] = 1;
        EXPECT_TRUE(ParseProject(file, "a.esk"));
    }
}
