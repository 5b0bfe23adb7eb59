#pragma once

#include <string>
#include <string_view>

namespace targello {

// How a path names folders: Windows paths use backslashes (slashes are read
// as well), drive letters ("C:") and network shares ("\\server\share");
// POSIX paths use "/" and have no drive part.
enum class PathStyle { Windows, Posix };

// The style of the platform the program runs on.
PathStyle NativePathStyle();

// The path rules of the generator and the menu links, written once for both
// styles so that every rule can be checked in either on any machine.
class PathRules {
public:
    explicit PathRules(PathStyle style) : style_(style) {}

    PathStyle Style() const { return style_; }
    char Separator() const { return style_ == PathStyle::Windows ? '\\' : '/'; }
    bool IsSeparator(char c) const { return c == '/' || (style_ == PathStyle::Windows && c == '\\'); }

    // The folder that holds the file: the text before the last separator,
    // which stays when it is the root ("C:\a.html" gives "C:\", "/a.html"
    // gives "/"). Empty for a bare file name.
    std::string OutputFolder(std::string_view path) const;
    // The part after the last separator (or a drive's colon); the whole path
    // when it has none.
    std::string FileName(std::string_view path) const;
    // The folder and the name with one separator between them; the name alone
    // when the folder is empty.
    std::string Join(std::string_view folder, std::string_view name) const;
    // The exported page's file name before its last "." ("a.b.html" gives
    // "a.b"); empty when the name has no ".".
    std::string ExportBaseName(std::string_view path) const;

    // The drive ("C:") or the network share ("\\server\share") a Windows
    // path begins with; empty otherwise, and always for POSIX paths.
    std::string DrivePart(std::string_view path) const;
    // The text up to the last separator (or a drive's colon). The separator
    // is left out unless it is the root's: "C:\shop\a.htm" gives "C:\shop",
    // "C:\a.htm" gives "C:\", "/a.htm" gives "/".
    std::string DirectoryPart(std::string_view path) const;
    // The path with each separator in this style's own form.
    std::string Normalized(std::string_view path) const;

private:
    std::size_t LastSeparator(std::string_view path, bool withColon) const;
    bool KeepsSeparator(std::string_view path, std::size_t at) const;

    PathStyle style_;
};

} // namespace targello
