#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace targello {

// The reason given for a picture that is cut short or damaged.
inline constexpr const char* DamagedPictureReason = "nie da się odczytać obrazka (plik jest uszkodzony)";

// How many first bytes of a bitmap BmpHeaderProblem looks at.
inline constexpr std::size_t BmpHeaderSize = 54;

// Why the bitmap whose first bytes are `head` and whose file holds
// `fileSize` bytes is not decoded, read from its header alone: a size that
// is refused, or fewer bytes than the header promises (the readers of both
// picture modules show a cut-off bitmap with its missing rows blank).
// "" when it may be decoded.
std::string BmpHeaderProblem(std::string_view head, std::uintmax_t fileSize);

} // namespace targello
