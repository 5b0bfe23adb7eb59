#include "core/settings/RgbColor.h"

#include <cstdlib>
#include <cstring>

namespace targello {

RgbColor RgbColor::fromPacked(std::uint32_t value) {
    return {static_cast<int>(value & 255u), static_cast<int>((value >> 8) & 255u),
            static_cast<int>((value >> 16) & 255u)};
}

RgbColor RgbColor::fromHex(const char* text) {
    if (text == nullptr || text[0] != '#' || std::strlen(text) != 7)
        return {};
    const unsigned long rgb = std::strtoul(text + 1, nullptr, 16);
    return {static_cast<int>((rgb >> 16) & 255u), static_cast<int>((rgb >> 8) & 255u),
            static_cast<int>(rgb & 255u)};
}

std::uint32_t RgbColor::packed() const {
    return static_cast<std::uint32_t>(Red & 255) | (static_cast<std::uint32_t>(Green & 255) << 8) |
           (static_cast<std::uint32_t>(Blue & 255) << 16);
}

} // namespace targello
