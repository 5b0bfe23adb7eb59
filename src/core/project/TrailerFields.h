#pragma once

#include <span>
#include <string>
#include <string_view>

namespace targello {

struct ShopSettings;

// A text setting that travels in the project file's trailer as "key=value".
// Every such setting is one row of one table, so that the writer, the reader
// and the round trip are the same code for all of them.
// The text is reached through a function so that settings grouped in a
// member of their own (the seller, payment) sit in the same table.
struct TrailerField {
    std::string_view Key;
    std::string& (*Text)(ShopSettings&);

    const std::string& Of(const ShopSettings& settings) const {
        return Text(const_cast<ShopSettings&>(settings)); // read only
    }
};

// The text settings the trailer carries, in the order they are written.
std::span<const TrailerField> TrailerTextFields();

// A value as one trailer line holds it: a backslash is written "\\" and a
// line break "\n", so that any text fits on one line and comes back as it was.
std::string EscapeTrailerValue(std::string_view text);
std::string UnescapeTrailerValue(std::string_view value);

} // namespace targello
