#pragma once

#include <string>

namespace targello {

// A number with its noun in the form Polish needs after it:
// PolishCount(1, "bajt", "bajty", "bajtów") is "1 bajt", 3 gives "3 bajty",
// 5 and 12 give "5 bajtów", "12 bajtów", 22 gives "22 bajty".
std::string PolishCount(long long n, const char* one, const char* few, const char* many);

} // namespace targello
