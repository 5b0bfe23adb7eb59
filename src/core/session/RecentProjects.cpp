#include "core/session/RecentProjects.h"

#include "core/project/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace targello {
namespace {

// "/a/./b.esk" and "/a/b.esk" are one project.
std::filesystem::path sameFileForm(const std::string& path) {
    return PathFromUtf8(path).lexically_normal();
}

} // namespace

RecentProjects::RecentProjects(const std::vector<std::string>& stored) {
    for (const std::string& path : stored)
        if (!path.empty() && find(path) == paths_.end() && paths_.size() < MaxCount)
            paths_.push_back(path);
}

std::vector<std::string>::iterator RecentProjects::find(const std::string& path) {
    const std::filesystem::path wanted = sameFileForm(path);
    return std::find_if(paths_.begin(), paths_.end(),
                        [&](const std::string& listed) { return sameFileForm(listed) == wanted; });
}

void RecentProjects::Add(const std::string& path) {
    if (path.empty())
        return;
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > MaxCount)
        paths_.resize(MaxCount);
}

bool RecentProjects::Remove(const std::string& path) {
    const auto listed = find(path);
    if (listed == paths_.end())
        return false;
    paths_.erase(listed);
    return true;
}

std::string RecentProjects::ForgetIfMissing(const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(PathFromUtf8(path), error) || find(path) == paths_.end())
        return {};
    Remove(path);
    return "Projekt „" + path + "” już nie istnieje. Usunięto go z listy ostatnio otwieranych.";
}

} // namespace targello
