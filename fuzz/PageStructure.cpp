#include "PageStructure.h"

#include <algorithm>
#include <cctype>

namespace targello::fuzz {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// ASCII letters only, as std::tolower in the "C" locale the fuzzer runs in,
// without a call into the C library for every byte of every page.
char LowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void AppendLower(std::string& to, std::string_view text) {
    const std::size_t from = to.size();
    to += text;
    for (std::size_t k = from; k < to.size(); ++k)
        to[k] = LowerChar(to[k]);
}

std::string Lower(std::string_view text) {
    std::string lower;
    AppendLower(lower, text);
    return lower;
}

// The first "</script" in `text` from `from` on, in any case. Only a "<"
// can start it, and memchr finds those far faster than a byte-by-byte
// comparison: this runs at every script of the two pages of every input.
std::size_t FindScriptEnd(std::string_view text, std::size_t from) {
    constexpr std::string_view End = "</script";
    for (std::size_t at = text.find('<', from); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const std::string_view candidate = text.substr(at, End.size());
        if (std::equal(candidate.begin(), candidate.end(), End.begin(), End.end(),
                       [](char a, char b) { return LowerChar(a) == b; }))
            return at;
    }
    return std::string_view::npos;
}

// Reads one tag starting after its "<"; `at` ends after its ">".
class TagReader {
public:
    TagReader(std::string_view page, std::size_t& at) : page_(page), at_(at) {}

    // Appends the tag's shape, its name and the names of its attributes in
    // lowercase, to `shape`, and the values of its ON… attributes, as they
    // stand in the page, to `handlers`. Nothing is copied but the shape:
    // every tag of both pages of every input passes here.
    void Read(std::string& shape, std::vector<std::string_view>& handlers) {
        const std::size_t start = at_;
        while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>' && page_[at_] != '/')
            ++at_;
        if (at_ == start && at_ < page_.size() && page_[at_] == '/')
            ++at_;
        while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>')
            ++at_;
        AppendLower(shape, page_.substr(start, at_ - start));
        while (SkipSpace(), at_ < page_.size() && page_[at_] != '>') {
            const std::size_t nameStart = at_;
            while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>' &&
                   (page_[at_] != '=' || at_ == nameStart))
                ++at_;
            shape += ' ';
            const std::size_t attribute = shape.size();
            AppendLower(shape, page_.substr(nameStart, at_ - nameStart));
            SkipSpace();
            std::string_view value;
            if (at_ < page_.size() && page_[at_] == '=') {
                ++at_;
                SkipSpace();
                value = Value();
            }
            if (shape.compare(attribute, 2, "on") == 0)
                handlers.push_back(value);
        }
        if (at_ < page_.size())
            ++at_;
    }

private:
    void SkipSpace() {
        while (at_ < page_.size() && IsSpace(page_[at_]))
            ++at_;
    }

    std::string_view Value() {
        if (at_ < page_.size() && (page_[at_] == '"' || page_[at_] == '\'')) {
            const char quote = page_[at_++];
            const std::size_t end = std::min(page_.find(quote, at_), page_.size());
            const std::string_view value = page_.substr(at_, end - at_);
            at_ = std::min(end + 1, page_.size());
            return value;
        }
        const std::size_t start = at_;
        while (at_ < page_.size() && !IsSpace(page_[at_]) && page_[at_] != '>')
            ++at_;
        return page_.substr(start, at_ - start);
    }

    std::string_view page_;
    std::size_t& at_;
};

} // namespace

PageShape ShapeOf(std::string_view page) {
    PageShape shape;
    std::size_t at = 0;
    std::vector<std::string_view> handlers; // kept from tag to tag with its room
    while ((at = page.find('<', at)) != std::string_view::npos) {
        ++at;
        if (at >= page.size() || !(std::isalpha(static_cast<unsigned char>(page[at])) || page[at] == '/'))
            continue; // text, as browsers read it
        std::string tag;
        handlers.clear();
        TagReader(page, at).Read(tag, handlers);
        for (const std::string_view value : handlers)
            shape.Scripts.push_back(ScriptSkeleton(DecodedAttribute(value)));
        const bool script = tag == "script" || tag.starts_with("script ");
        shape.Tags.push_back(std::move(tag));
        if (script) {
            const std::size_t end = std::min(FindScriptEnd(page, at), page.size());
            shape.Scripts.push_back(ScriptSkeleton(page.substr(at, end - at)));
            at = end;
        }
    }
    return shape;
}

std::string ScriptSkeleton(std::string_view code) {
    // The code between literals goes in whole pieces, not byte by byte:
    // scripts are most of a page, and appending each byte cost more than
    // making the page.
    std::string skeleton;
    skeleton.reserve(code.size());
    std::size_t kept = 0; // the code before it is in the skeleton or left out
    for (std::size_t at = 0; at < code.size(); ++at) {
        const char c = code[at];
        if (c != '\'' && c != '"')
            continue;
        skeleton.append(code.substr(kept, at + 1 - kept));
        for (++at;; ++at) {
            if (at >= code.size() || code[at] == '\n' || code[at] == '\r')
                return "unterminated string";
            if (code[at] == '\\')
                ++at;
            else if (code[at] == c)
                break;
        }
        kept = at; // the closing quote begins the next piece
    }
    skeleton.append(code.substr(kept));
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
    static constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000}; // shorter forms are overlong
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) { // most of every page
            ++at;
            continue;
        }
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
        if (code < Least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
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
