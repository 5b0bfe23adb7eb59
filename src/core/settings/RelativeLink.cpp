#include "core/settings/RelativeLink.h"

#include "core/settings/UrlEscape.h"

#include <algorithm>
#include <cctype>

namespace targello {
namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsSchemeCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.';
}

std::size_t CommonPrefixLength(std::string_view a, std::string_view b) {
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    (void)right;
    return static_cast<std::size_t>(left - a.begin());
}

// Whether `inner` is `outer` or a folder below it, comparing whole folder
// names: "C:\shopping" does not lie inside "C:\shop".
bool LiesInFolder(std::string_view inner, std::string_view outer, const PathRules& rules) {
    if (outer.empty())
        return true;
    if (inner.substr(0, outer.size()) != outer)
        return false;
    if (inner.size() == outer.size())
        return true;
    const char last = outer.back();
    if (rules.IsSeparator(last) || (rules.Style() == PathStyle::Windows && last == ':'))
        return true;
    return rules.IsSeparator(inner[outer.size()]);
}

// A blank or a control character, which browsers drop from where a scheme is
// read (tab, CR and LF anywhere; the rest before it).
bool IsIgnoredInScheme(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '\x7F';
}

} // namespace

std::string CodeRunningScheme(std::string_view target) {
    std::string scheme;
    for (const char c : target) {
        if (c == ':')
            break;
        if (!IsIgnoredInScheme(c))
            scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (scheme.size() == target.size())
        return {}; // no colon: no scheme at all
    for (const char* code : {"javascript", "vbscript", "data"})
        if (scheme == code)
            return scheme;
    return {};
}

bool IsRelativeTarget(std::string_view target, PathStyle style) {
    if (target.empty() || target[0] == '/' || target[0] == '\\' || IsAddress(target))
        return false;
    return PathRules(style).DrivePart(target).empty() &&
           !(target.size() >= 2 && IsLetter(target[0]) && target[1] == ':');
}

bool IsAddress(std::string_view target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2 || !IsLetter(target[0]))
        return false;
    return std::all_of(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon),
                       IsSchemeCharacter);
}

std::string RelativeLink(std::string_view base, std::string_view target, PathStyle style) {
    if (!CodeRunningScheme(target).empty())
        return std::string(InertLink);
    if (IsAddress(target))
        return std::string(target);
    if (IsRelativeTarget(target, style)) {
        std::string link = UrlEscape(target);
        if (style == PathStyle::Windows)
            std::replace(link.begin(), link.end(), '\\', '/');
        return link;
    }
    if (base.empty())
        return {};
    const PathRules rules(style);
    const char separator = rules.Separator();
    const std::string a = rules.Normalized(base);
    const std::string b = rules.Normalized(target);

    // The longest common beginning, at most one character shorter than the
    // base, cut after its last separator, is the folder both paths share.
    const std::size_t common = std::min(CommonPrefixLength(a, b), a.size() - 1);
    std::size_t shared = 0;
    if (common > 0) {
        const std::size_t at = a.rfind(separator, common - 1);
        if (at != std::string::npos)
            shared = at + 1;
    }

    const std::string driveA = rules.DrivePart(a);
    const std::string driveB = rules.DrivePart(b);
    std::string link = driveA != driveB ? "file:///" + b : b.substr(shared);
    link = UrlEscape(link);
    if (style == PathStyle::Windows)
        std::replace(link.begin(), link.end(), '\\', '/');

    const std::string folderA = rules.DirectoryPart(a);
    const std::string folderB = rules.DirectoryPart(b);
    if (driveA == driveB && folderA != folderB && !LiesInFolder(folderB, folderA, rules)) {
        const auto climbs = std::count(a.begin() + static_cast<std::ptrdiff_t>(shared), a.end(), separator);
        std::string up;
        for (std::ptrdiff_t i = 0; i < climbs; ++i)
            up += "../";
        link.insert(0, up);
    }
    return link;
}

} // namespace targello
