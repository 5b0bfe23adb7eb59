#pragma once

// A remote folder in memory that records what it was asked and fails where
// a test tells it to, as a dropped connection or a full disk would.
#include "core/publish/RemoteFolder.h"

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace targello::testing {

class FakeRemoteFolder : public RemoteFolder {
public:
    std::map<std::string, std::string> Files;
    std::vector<std::string> Log;
    // The next upload stops with `CutProblem` after this many bytes of the file.
    std::optional<std::size_t> CutAfter;
    RemoteProblem CutProblem = RemoteProblem::Closed;
    // Listings that fail with a dropped connection before one succeeds.
    int ListFailures = 0;

    std::optional<std::string> Read(const std::string& name) override {
        Log.push_back("read " + name);
        const auto found = Files.find(name);
        return found == Files.end() ? std::nullopt : std::optional(found->second);
    }

    std::optional<std::vector<RemoteEntry>> List(const std::string& folder) override {
        Log.push_back("list " + folder);
        if (ListFailures > 0 && ListFailures--)
            throw RemoteError(RemoteProblem::Closed);
        const std::string prefix = folder.empty() ? "" : folder + "/";
        std::vector<RemoteEntry> entries;
        for (const auto& [name, bytes] : Files)
            if (name.starts_with(prefix) && name.find('/', prefix.size()) == std::string::npos)
                entries.push_back({name.substr(prefix.size()), bytes.size(), false});
        if (entries.empty() && !folder.empty())
            return std::nullopt;
        return entries;
    }

    void Upload(const std::string& name, const UploadSource& source, std::uintmax_t offset,
                const SentCallback& sent) override {
        Log.push_back("upload " + name + (offset ? " from " + std::to_string(offset) : ""));
        std::string bytes = source.Bytes;
        if (source.FromFile) {
            std::ifstream in(source.File, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        std::string& stored = Files[name];
        if (offset == 0)
            stored.clear();
        if (stored.size() != offset)
            throw RemoteError(RemoteProblem::Other, name, "wrong offset");
        for (std::size_t at = offset; at < bytes.size(); ++at) {
            if (CutAfter && at - offset == *CutAfter) {
                CutAfter.reset();
                throw RemoteError(CutProblem, name);
            }
            stored += bytes[at];
            if (!sent(at + 1 - offset))
                throw RemoteError(RemoteProblem::Cancelled, name);
        }
    }

    void Rename(const std::string& from, const std::string& to) override {
        Log.push_back("rename " + from + " " + to);
        Files[to] = Files.at(from);
        Files.erase(from);
    }

    void Remove(const std::string& name) override {
        Log.push_back("remove " + name);
        Files.erase(name);
    }

    void MakeFolder(const std::string& folder) override { Log.push_back("mkdir " + folder); }
};

} // namespace targello::testing
