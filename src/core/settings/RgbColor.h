#pragma once

#include <cstdint>

namespace targello {

// A colour as the shop stores it: three components, 0 to 255 each.
// Colour pickers hold a colour packed into one value with red in the lowest
// byte (0x00BBGGRR); fromPacked/packed convert between the two forms.
struct RgbColor {
    int Red = 0;
    int Green = 0;
    int Blue = 0;

    static RgbColor fromPacked(std::uint32_t value);
    // Parses "#RRGGBB"; any other text gives black.
    static RgbColor fromHex(const char* text);
    std::uint32_t packed() const;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

} // namespace targello
