#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace targello {

// The projects opened or saved last, most recent first, for the "Ostatnio
// otwierane" menu. Paths are UTF-8; the stored form is the same list, which
// the program keeps among its preferences.
class RecentProjects {
public:
    static constexpr std::size_t MaxCount = 8;

    RecentProjects() = default;
    // From the stored form: empty texts and repeats are dropped, and only the
    // first MaxCount kept, whatever another version of the program stored.
    explicit RecentProjects(const std::vector<std::string>& stored);

    const std::vector<std::string>& Paths() const { return paths_; }
    std::vector<std::string> Stored() const { return paths_; }

    // Puts the project first; one already listed moves there.
    void Add(const std::string& path);
    // True when the project was listed.
    bool Remove(const std::string& path);
    // For a project chosen from the menu: when its file is gone, removes it
    // and returns the message to show; otherwise an empty text.
    std::string ForgetIfMissing(const std::string& path);

private:
    std::vector<std::string> paths_;

    std::vector<std::string>::iterator find(const std::string& path);
};

} // namespace targello
