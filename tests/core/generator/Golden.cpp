#include "Golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace targello::testing {
namespace {

std::filesystem::path goldenPath(const std::string& name) {
    return std::filesystem::path(TARGELLO_GOLDEN_DIR) / name;
}

// Up to 60 bytes around `at`, to show where two texts part.
std::string around(const std::string& text, std::size_t at) {
    const std::size_t from = at > 30 ? at - 30 : 0;
    return text.substr(from, 60);
}

} // namespace

bool UpdatingGolden() {
    const char* value = std::getenv("TARGELLO_UPDATE_GOLDEN");
    return value != nullptr && std::string(value) == "1";
}

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path path = goldenPath(name);
    if (UpdatingGolden()) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << actual << '\n';
        if (!out)
            return ::testing::AssertionFailure() << "cannot write " << path;
        return ::testing::AssertionSuccess();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ::testing::AssertionFailure()
               << "no golden file " << path << "; TARGELLO_UPDATE_GOLDEN=1 writes it";
    std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (expected.ends_with('\n'))
        expected.pop_back();
    if (expected == actual)
        return ::testing::AssertionSuccess();
    const auto parted = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const auto at = static_cast<std::size_t>(parted.first - expected.begin());
    return ::testing::AssertionFailure()
           << "differs from " << path << " at byte " << at << " (" << expected.size() << " bytes expected, "
           << actual.size() << " given)\n  expected: …" << around(expected, at) << "…\n  given:    …"
           << around(actual, at) << "…\nIf the change is intended, run the tests with "
           << "TARGELLO_UPDATE_GOLDEN=1 and review the change of the golden file.";
}

} // namespace targello::testing
