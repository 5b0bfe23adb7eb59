#include "PageStructure.h"

#include <algorithm>
#include <cctype>

namespace targello::fuzz {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// `part` (lowercase) in `text` from `from` on, in any case; the page is
// searched where it stands, not copied, since this runs at every script.
std::size_t FindNoCase(std::string_view text, std::string_view part, std::size_t from) {
    if (from > text.size())
        return std::string_view::npos;
    const auto found =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), part.begin(), part.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return found == text.end() ? std::string_view::npos : static_cast<std::size_t>(found - text.begin());
}

// Reads one tag starting after its "<"; `at` ends after its ">".
class TagReader {
public:
    TagReader(std::string_view page, std::size_t& at) : page_(page), at_(at) {}

    std::string Read(std::string& name, std::vector<std::pair<std::string, std::string>>& attributes) {
        const std::size_t start = at_;
        while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>' && page_[at_] != '/')
            ++at_;
        if (at_ == start && at_ < page_.size() && page_[at_] == '/')
            ++at_;
        while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>')
            ++at_;
        name = Lower(page_.substr(start, at_ - start));
        std::string shape = name;
        while (SkipSpace(), at_ < page_.size() && page_[at_] != '>') {
            const std::size_t nameStart = at_;
            while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>' &&
                   (page_[at_] != '=' || at_ == nameStart))
                ++at_;
            std::string attribute = Lower(page_.substr(nameStart, at_ - nameStart));
            SkipSpace();
            std::string value;
            if (at_ < page_.size() && page_[at_] == '=') {
                ++at_;
                SkipSpace();
                value = Value();
            }
            shape += " " + attribute;
            attributes.emplace_back(std::move(attribute), std::move(value));
        }
        if (at_ < page_.size())
            ++at_;
        return shape;
    }

private:
    void SkipSpace() {
        while (at_ < page_.size() && IsSpace(page_[at_]))
            ++at_;
    }

    std::string Value() {
        if (at_ < page_.size() && (page_[at_] == '"' || page_[at_] == '\'')) {
            const char quote = page_[at_++];
            const std::size_t end = std::min(page_.find(quote, at_), page_.size());
            std::string value(page_.substr(at_, end - at_));
            at_ = std::min(end + 1, page_.size());
            return value;
        }
        const std::size_t start = at_;
        while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>')
            ++at_;
        return std::string(page_.substr(start, at_ - start));
    }

    std::string_view page_;
    std::size_t& at_;
};

} // namespace

PageShape ShapeOf(std::string_view page) {
    PageShape shape;
    std::size_t at = 0;
    while ((at = page.find('<', at)) != std::string_view::npos) {
        ++at;
        if (at >= page.size() || !(std::isalpha(static_cast<unsigned char>(page[at])) || page[at] == '/'))
            continue; // text, as browsers read it
        std::string name;
        std::vector<std::pair<std::string, std::string>> attributes;
        shape.Tags.push_back(TagReader(page, at).Read(name, attributes));
        for (const auto& [attribute, value] : attributes)
            if (attribute.starts_with("on"))
                shape.Scripts.push_back(ScriptSkeleton(DecodedAttribute(value)));
        if (name == "script") {
            const std::size_t end = std::min(FindNoCase(page, "</script", at), page.size());
            shape.Scripts.push_back(ScriptSkeleton(page.substr(at, end - at)));
            at = end;
        }
    }
    return shape;
}

std::string ScriptSkeleton(std::string_view code) {
    std::string skeleton;
    for (std::size_t at = 0; at < code.size(); ++at) {
        const char c = code[at];
        skeleton += c;
        if (c != '\'' && c != '"')
            continue;
        for (++at;; ++at) {
            if (at >= code.size() || code[at] == '\n' || code[at] == '\r')
                return "unterminated string";
            if (code[at] == '\\')
                ++at;
            else if (code[at] == c)
                break;
        }
        skeleton += c;
    }
    return skeleton;
}

std::string DecodedAttribute(std::string_view value) {
    std::string decoded;
    for (std::size_t at = 0; at < value.size(); ++at) {
        if (value[at] != '&') {
            decoded += value[at];
            continue;
        }
        const std::size_t semicolon = value.find(';', at);
        if (semicolon == std::string_view::npos || semicolon - at > 10) {
            decoded += '&';
            continue;
        }
        const std::string name = Lower(value.substr(at + 1, semicolon - at - 1));
        long code = -1;
        if (name == "quot")
            code = '"';
        else if (name == "apos")
            code = '\'';
        else if (name.size() > 2 && name[0] == '#' && name[1] == 'x')
            code = std::strtol(name.c_str() + 2, nullptr, 16);
        else if (name.size() > 1 && name[0] == '#')
            code = std::strtol(name.c_str() + 1, nullptr, 10);
        decoded += code == '"' || code == '\'' || code == '\\' || code == '\n' || code == '\r'
                       ? static_cast<char>(code)
                       : 'x';
        at = semicolon;
    }
    return decoded;
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const int length = lead < 0x80                    ? 1
                           : lead >= 0xC2 && lead <= 0xDF ? 2
                           : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                          : 0;
        if (length == 0 || at + static_cast<std::size_t>(length) > bytes.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        at += static_cast<std::size_t>(length);
    }
    return true;
}

std::size_t StrayIso88592Byte(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size(); ++at)
        if (const auto byte = static_cast<unsigned char>(bytes[at]); byte >= 0x80 && byte <= 0x9F)
            return at;
    return std::string_view::npos;
}

} // namespace targello::fuzz
