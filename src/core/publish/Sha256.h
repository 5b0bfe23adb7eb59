#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace targello {

// SHA-256, small enough to keep the core free of a crypto library: the
// publish compares files by it and shows certificates and keys by it.
class Sha256 {
public:
    using Digest = std::array<std::uint8_t, 32>;

    Sha256();
    void Update(std::string_view bytes);
    // The digest of everything given; the object is spent afterwards.
    Digest Finish();

    static Digest Of(std::string_view bytes);
    // The digest of a file's content, or nothing where it cannot be read.
    static std::optional<Digest> OfFile(const std::filesystem::path& file);
    // Lower-case hexadecimal, 64 characters.
    static std::string Hex(const Digest& digest);

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> buffer_{};
    std::size_t buffered_ = 0;
    std::uint64_t length_ = 0;
};

} // namespace targello
