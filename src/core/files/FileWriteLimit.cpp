#include "core/files/FileWriteLimit.h"

#include <algorithm>
#include <atomic>

namespace targello {
namespace {

constexpr long long Unlimited = -1;
std::atomic<long long> remaining{Unlimited};
std::atomic<long long> filesLeft{Unlimited};

} // namespace

void SetWriteLimitForTests(std::optional<std::size_t> bytes) {
    remaining = bytes ? static_cast<long long>(*bytes) : Unlimited;
}

std::size_t WritableBytes(std::size_t wanted) {
    const long long left = remaining;
    if (left == Unlimited)
        return wanted;
    return std::min(wanted, static_cast<std::size_t>(std::max(left, 0LL)));
}

void CountWrittenBytes(std::size_t written) {
    long long left = remaining;
    while (left != Unlimited &&
           !remaining.compare_exchange_weak(left, std::max(0LL, left - static_cast<long long>(written))))
        ;
}

void SetFileLimitForTests(std::optional<int> files) {
    filesLeft = files ? *files : Unlimited;
}

bool TakeFileWrite() {
    long long left = filesLeft;
    while (left != Unlimited && left > 0 && !filesLeft.compare_exchange_weak(left, left - 1))
        ;
    return left != 0;
}

} // namespace targello
