#pragma once

#include "ShellCommand.h"
#include "core/project/Utf8Path.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace targello::testing {

inline const fs::path Examples = TARGELLO_EXAMPLES_DIR;

inline const char* const SamplePictures[] = {
    "miod-lipowy.jpg", "miod-gryczany.jpg",   "konfitura-wisnia.jpg", "powidla.jpg",  "sok-porzeczka.jpg",
    "ogorki.jpg",      "grzyby.jpg",          "herbata-jablko.jpg",   "pierniki.jpg", "krowki.jpg",
    "ser.jpg",         "kosz-prezentowy.jpg",
};

inline std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The exit code of a run stopped because it took too long.
inline constexpr int TimedOut = 124;

struct Finished {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

class ExportCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        work_ = fs::temp_directory_path() / ("targello-cli-" + std::string(test->name()));
        fs::remove_all(work_);
        fs::create_directories(work_ / "wynik");
    }
    void TearDown() override { fs::remove_all(work_); }

    // Runs `program` with `args` in the folder `cwd`, as a shell would. A run
    // that takes longer than a minute is stopped and ends with TimedOut.
    Finished run(const fs::path& cwd, const std::vector<std::string>& args,
                 const std::string& program = TARGELLO_EXPORT_PROGRAM) const {
        std::string command = ChangeFolderCommand(Utf8FromPath(cwd)) + " && ";
#ifndef _WIN32
        if (std::system("timeout --version >/dev/null 2>&1") == 0)
            command += "timeout -k 5 60 ";
#endif
        command += ShellQuoted(program);
        for (const std::string& arg : args)
            command += " " + ShellQuoted(arg);
        command += " >" + ShellQuoted(Utf8FromPath(work_ / "out.txt")) + " 2>" +
                   ShellQuoted(Utf8FromPath(work_ / "err.txt"));
        Finished result;
        result.Exit = RunShellCommand(command);
        result.Out = ConsoleText(work_ / "out.txt");
        result.Err = ConsoleText(work_ / "err.txt");
        return result;
    }

    // A copy of the sample shop to work in, so nothing is written into the sources.
    fs::path copyOfSample(const fs::path& name = "przyklad") const {
        const fs::path copy = work_ / name;
        fs::create_directories(copy);
        fs::copy(Examples / "sklep.esk", copy);
        fs::copy(Examples / "tekstura.jpg", copy);
        fs::copy(Examples / "obrazki", copy / "obrazki");
        return copy;
    }

    fs::path work_;
};

} // namespace targello::testing
