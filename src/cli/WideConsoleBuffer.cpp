#ifdef _WIN32

#include "cli/WideConsoleBuffer.h"

#include <windows.h>

namespace targello {
namespace {

// The length of `text` without an incomplete UTF-8 character at its end.
std::size_t wholeCharacters(const std::string& text) {
    std::size_t start = text.size();
    for (int back = 0; start > 0 && back < 4; ++back) {
        const auto byte = static_cast<unsigned char>(text[start - 1]);
        if ((byte & 0xC0) != 0x80) { // not a continuation byte: a character starts here
            const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return text.size() - (start - 1) >= length ? text.size() : start - 1;
        }
        --start;
    }
    return text.size(); // no start byte nearby: not UTF-8 to wait for
}

} // namespace

WideConsoleBuffer::int_type WideConsoleBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    pending_.push_back(traits_type::to_char_type(c));
    writeWhole(c == '\n');
    return c;
}

std::streamsize WideConsoleBuffer::xsputn(const char* text, std::streamsize count) {
    pending_.append(text, static_cast<std::size_t>(count));
    writeWhole(pending_.find('\n') != std::string::npos);
    return count;
}

int WideConsoleBuffer::sync() {
    writeWhole(true);
    return 0;
}

void WideConsoleBuffer::writeWhole(bool lineEnded) {
    if (!lineEnded && pending_.size() < 4096)
        return;
    const std::size_t length = wholeCharacters(pending_);
    if (length == 0)
        return;
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(length), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(length), wide.data(), wideLength);
    DWORD written = 0;
    WriteConsoleW(static_cast<HANDLE>(console_), wide.data(), static_cast<DWORD>(wide.size()), &written,
                  nullptr);
    pending_.erase(0, length);
}

} // namespace targello

#endif
