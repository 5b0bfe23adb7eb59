#pragma once

#include <string>
#include <string_view>

namespace targello {

// Writes the bytes of a UTF-8 text that cannot stand in a page address as
// "%" and two upper-case hexadecimal digits: a blank, "*", "#", "%", "<", ">"
// every control character and every byte of a non-ASCII character ("ł" gives
// "%C5%82", which is how browsers and servers read addresses). Every other
// byte passes unchanged.
std::string UrlEscape(std::string_view text);

// One file or folder name as one step of an address that needs no further
// escaping anywhere (an attribute, a srcset, a style sheet's url("…")): every
// byte but ASCII letters, digits and "-", ".", "_", "~" is escaped, so a
// blank, "%", "#", "?", a control character, a non-ASCII letter or a
// separator all name the file.
std::string UrlPathStep(std::string_view name);

// An e-mail address as the one part of a "mailto:" address before its "?":
// every byte but ASCII letters, digits, "@" and "-", ".", "_", "~", "+" is
// escaped, so that "?", "&", "#", "%", ",", CR or LF in it add no recipient,
// header or body to the mail.
std::string MailtoAddressPart(std::string_view address);

} // namespace targello
