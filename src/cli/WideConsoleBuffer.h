#pragma once

#ifdef _WIN32

#include <streambuf>
#include <string>

namespace targello {

// Hands UTF-8 text to a Windows console as UTF-16 (WriteConsoleW), which
// every console shows whatever its code page. Text is gathered up to each
// line end or flush; a character split between two writes waits for its
// remaining bytes.
class WideConsoleBuffer : public std::streambuf {
public:
    explicit WideConsoleBuffer(void* console) : console_(console) {}
    ~WideConsoleBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    void writeWhole(bool lineEnded);

    void* console_;
    std::string pending_;
};

} // namespace targello

#endif
