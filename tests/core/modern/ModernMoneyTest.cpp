#include "core/modern/ModernScript.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace targello;
namespace fs = std::filesystem;

namespace {

// Runs the page's money functions in Node.js and gives back what `expression`
// printed, one result per line.
std::string runMoney(const std::string& expressions) {
    const fs::path script = fs::temp_directory_path() / "targello-money-test.js";
    std::ofstream(script) << ModernMoneyScript() << "\nfor (const v of [" << expressions
                          << "]) console.log(v);\n";
    std::string output;
    if (FILE* pipe = popen(("\"" TARGELLO_NODE "\" \"" + script.string() + "\"").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        EXPECT_EQ(pclose(pipe), 0);
    }
    fs::remove(script);
    return output;
}

const std::string Nbsp = "\u00A0";

} // namespace

TEST(ModernMoney, TotalsAreExactAndPolish) {
    if (std::string(TARGELLO_NODE).empty())
        GTEST_SKIP() << "Node.js is not installed, or the test runs under an emulator";
    const std::string out = runMoney(
        // the smallest step, rounded half up to grosze
        "kwota(1n), kwota(49n), kwota(50n), kwota(125000n),"
        // thousands
        "kwota(12345000n), kwota(razem('125000', 3)),"
        // the largest price, and a hundred of it: past 2^53 and past 2^63
        "kwota(9223372036854770000n), kwota(razem('9223372036854775807', 100)),"
        // negative prices, and a negative amount that rounds to nothing
        "kwota(-125000n), kwota(-50n), kwota(-49n),"
        // "1,5e2" reads as 150
        "kwota(razem('1500000', 2))");
    const std::string zl = Nbsp + "zł\n";
    EXPECT_EQ(out, "0,00" + zl + "0,00" + zl + "0,01" + zl + "12,50" + zl +                        //
                       "1" + Nbsp + "234,50" + zl + "37,50" + zl +                                 //
                       "922" + Nbsp + "337" + Nbsp + "203" + Nbsp + "685" + Nbsp + "477,00" + zl + //
                       "92" + Nbsp + "233" + Nbsp + "720" + Nbsp + "368" + Nbsp + "547" + Nbsp + "758,07" +
                       zl + "-12,50" + zl + "-0,01" + zl + "0,00" + zl + "300,00" + zl);
}
