#pragma once

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace targello::testing {

// Root reads every file, whatever its mode says, and the tests run as root
// on the build machines: a test that needs a file which may not be read runs
// its action as the system's "nobody" for the life of this object. The real
// and effective ids change for every thread of the process (access() looks at
// the real one); the saved id stays root's, so the test takes root back at
// the end. Where the test does not run as root, nothing changes.
class OrdinaryUser {
public:
    // `workspace` (a folder and all it holds) is handed to that user first,
    // so that it may write there as the test's own user would.
    explicit OrdinaryUser([[maybe_unused]] const std::filesystem::path& workspace) {
#ifndef _WIN32
        if (::geteuid() != 0)
            return;
        std::error_code error;
        give(workspace);
        for (auto it = std::filesystem::recursive_directory_iterator(workspace, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            give(it->path());
        if (error)
            problem_ = "cannot hand " + workspace.string() + " to nobody: " + error.message();
        if (!problem_.empty())
            return;
        if (::setresgid(Nobody, Nobody, 0) != 0 || ::setresuid(Nobody, Nobody, 0) != 0) {
            problem_ = "cannot become nobody: " + std::error_code(errno, std::generic_category()).message();
            restore();
            return;
        }
        switched_ = true;
        if (::access(workspace.c_str(), R_OK | W_OK | X_OK) != 0) { // a folder above it closed to others
            problem_ = "nobody cannot reach " + workspace.string();
            restore();
        }
#endif
    }
    ~OrdinaryUser() {
        restore();
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    // Why the test cannot run as an ordinary user ("" when it can): skip then.
    const std::string& Problem() const {
        return problem_;
    }

private:
#ifndef _WIN32
    static constexpr uid_t Nobody = 65534;

    void give(const std::filesystem::path& path) {
        if (::lchown(path.c_str(), Nobody, Nobody) != 0 && problem_.empty())
            problem_ = "cannot hand " + path.string() + " to nobody";
    }
#endif
    void restore() {
#ifndef _WIN32
        if (switched_ && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0))
            std::abort(); // the rest of the tests would run without root's rights
        switched_ = false;
#endif
    }

    std::string problem_;
    bool switched_ = false;
};

} // namespace targello::testing
