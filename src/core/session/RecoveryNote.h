#pragma once

#include <optional>
#include <string>

namespace targello {

// What a recovery copy says about itself, kept beside it in a small text
// file so that the offer can name the page. It changes seldom, so it is
// written only when it does; the copy's time is that of its project file.
struct RecoveryNote {
    std::string Caption;  // "Sklep 3"
    std::string UserFile; // the user's own project file, UTF-8; empty if never saved

    friend bool operator==(const RecoveryNote&, const RecoveryNote&) = default;
};

// One "key=value" line per field after a first line naming the format;
// backslashes and line breaks in values are escaped.
std::string FormatRecoveryNote(const RecoveryNote& note);

// The note, or nothing when the text is not one.
std::optional<RecoveryNote> ParseRecoveryNote(const std::string& text);

} // namespace targello
