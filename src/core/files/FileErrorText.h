#pragma once

#include <string>
#include <system_error>

namespace targello {

// The one place that turns a system error into the Polish reason a message
// gives after the file's name ("brak miejsca na dysku", "brak uprawnień", …).
// Every message about a file the program cannot read or write takes its
// reason from here, so no English text of the system reaches the user.
std::string FileErrorReason(std::error_code error);

// What an export says when a file of its picture folder cannot be written,
// so that the user looks at the folder (its access, a file in its place)
// and not at the page, which was not replaced. A full disk is told as the
// page's failure: it is the whole shop's, whichever file found it.
std::string PictureFolderFailureText(const std::string& folder, const std::string& page,
                                     std::error_code error);

// Whether `error` says the disk is full.
bool DiskFull(std::error_code error);

// The reason given for a path that names a FIFO, a device or a socket.
inline constexpr const char* NotARegularFileReason = "to nie jest zwykły plik";
// The reason given for a path that names a folder where a file must be.
inline constexpr const char* FolderReason = "to jest folder";

// Pictures larger than this are refused before they are decoded: a decoded
// 100-megapixel picture already takes 400 MB.
inline constexpr long long MaxPicturePixels = 100'000'000;

// Whether a picture of `width` × `height` pixels is refused.
bool PictureTooLarge(long long width, long long height);

// "obrazek za duży: 32000 × 32000 pikseli".
std::string PictureTooLargeReason(long long width, long long height);

} // namespace targello
