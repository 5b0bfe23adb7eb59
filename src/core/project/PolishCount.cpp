#include "core/project/PolishCount.h"

namespace targello {

std::string PolishCount(long long n, const char* one, const char* few, const char* many) {
    const long long units = (n < 0 ? -n : n) % 10;
    const long long tens = (n < 0 ? -n : n) % 100;
    const char* noun = many;
    if (n == 1)
        noun = one;
    else if (units >= 2 && units <= 4 && (tens < 12 || tens > 14))
        noun = few;
    return std::to_string(n) + " " + noun;
}

} // namespace targello
