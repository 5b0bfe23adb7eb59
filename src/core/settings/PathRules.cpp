#include "core/settings/PathRules.h"

namespace targello {

PathStyle NativePathStyle() {
#ifdef _WIN32
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

std::size_t PathRules::LastSeparator(std::string_view path, bool withColon) const {
    for (std::size_t i = path.size(); i > 0; --i) {
        const char c = path[i - 1];
        if (IsSeparator(c) || (withColon && style_ == PathStyle::Windows && c == ':'))
            return i - 1;
    }
    return std::string_view::npos;
}

// A separator that is the root of its path stays with the folder: the first
// character, the one after a drive's colon, or one of a share's two leading
// backslashes.
bool PathRules::KeepsSeparator(std::string_view path, std::size_t at) const {
    if (!IsSeparator(path[at]))
        return true; // a drive's colon
    if (at == 0)
        return true;
    return style_ == PathStyle::Windows && (path[at - 1] == ':' || IsSeparator(path[at - 1]));
}

std::string PathRules::OutputFolder(std::string_view path) const {
    const std::size_t at = LastSeparator(path, true);
    if (at == std::string_view::npos)
        return {};
    return std::string(path.substr(0, KeepsSeparator(path, at) ? at + 1 : at));
}

std::string PathRules::FileName(std::string_view path) const {
    const std::size_t at = LastSeparator(path, true);
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string PathRules::Join(std::string_view folder, std::string_view name) const {
    std::string joined(folder);
    if (!folder.empty() && !IsSeparator(folder.back()) &&
        !(style_ == PathStyle::Windows && folder.back() == ':'))
        joined += Separator();
    joined += name;
    return joined;
}

std::string PathRules::ExportBaseName(std::string_view path) const {
    const std::string name = FileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::string PathRules::DrivePart(std::string_view path) const {
    if (style_ != PathStyle::Windows)
        return {};
    if (path.size() >= 2 && path[1] == ':')
        return std::string(path.substr(0, 2));
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t end = 2;
        while (end < path.size() && !IsSeparator(path[end])) // server
            ++end;
        if (end < path.size())
            ++end;
        while (end < path.size() && !IsSeparator(path[end])) // share
            ++end;
        return std::string(path.substr(0, end));
    }
    return {};
}

std::string PathRules::DirectoryPart(std::string_view path) const {
    return OutputFolder(path);
}

std::string PathRules::Normalized(std::string_view path) const {
    std::string result(path);
    for (char& c : result)
        if (IsSeparator(c))
            c = Separator();
    return result;
}

} // namespace targello
