#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace targello {

// Where the shop stands on the web, from the address the trader gave: the
// page's own address or its folder's.
struct ShopWebAddress {
    std::string Page;   // "https://example.pl/sklep/sklep.html" (the folder's for index.html)
    std::string Folder; // "https://example.pl/sklep/", ending in "/"

    // `relative` (an address on the page, such as "sklep/a.jpg") from the page's folder.
    std::string Resolve(std::string_view relative) const;
};

// The shop's addresses for a page written as `pageFileName`, or nothing when
// `address` is no http or https address of a host ("", "www.example.pl",
// "ftp://…"). An address whose last step has no dot names a folder; a query
// or fragment is dropped.
std::optional<ShopWebAddress> ShopWebAddressOf(std::string_view address, std::string_view pageFileName);

} // namespace targello
