#pragma once

#include <gtest/gtest.h>
#include <string>

namespace targello::testing {

// Compares `actual` with the golden file `name` in tests/core/generator/golden/
// (the file ends with one line break more than the text it holds). With
// TARGELLO_UPDATE_GOLDEN=1 in the environment the file is written from
// `actual` instead: run the tests that way after an intended change of the
// page and review the change of the golden files like any other.
::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual);

// True when the golden files are being rewritten.
bool UpdatingGolden();

} // namespace targello::testing
