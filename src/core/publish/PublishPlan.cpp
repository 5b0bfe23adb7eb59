#include "core/publish/PublishPlan.h"

#include <set>

namespace targello {
namespace {

using Kind = PublishStep::Kind;

// A file must travel unless the last publish sent exactly it and it is still there as sent.
bool mustSend(const std::string& name, const PublishLedger::Entry& entry,
              const std::optional<PublishLedger>& remote,
              const std::map<std::string, std::uintmax_t>& present) {
    const PublishLedger::Entry* sent = remote ? remote->Find(name) : nullptr;
    const auto there = present.find(name);
    return !sent || *sent != entry || there == present.end() || there->second != entry.Size;
}

std::optional<std::uintmax_t> sizeThere(const std::string& name,
                                        const std::map<std::string, std::uintmax_t>& present) {
    const auto there = present.find(name);
    if (there == present.end())
        return std::nullopt;
    return there->second;
}

} // namespace

std::vector<std::string> FoldersToList(const PublishLedger& local,
                                       const std::optional<PublishLedger>& remote) {
    std::set<std::string> folders{""};
    for (const auto& [name, entry] : local.Files())
        folders.insert(ParentFolderOf(name));
    if (remote) {
        for (const auto& [name, entry] : remote->Files())
            folders.insert(ParentFolderOf(name));
        for (const std::string& name : remote->Temporaries())
            folders.insert(ParentFolderOf(name));
    }
    return {folders.begin(), folders.end()};
}

std::string TemporaryName(const std::string& name, const std::string& sha256) {
    const std::string folder = ParentFolderOf(name);
    const std::string base = folder.empty() ? name : name.substr(folder.size() + 1);
    return (folder.empty() ? "" : folder + "/") + ".targello-" + sha256.substr(0, 16) + "-" + base;
}

PublishPlan PlanPublish(const PublishLedger& local, const std::optional<PublishLedger>& remote,
                        const std::map<std::string, std::uintmax_t>& present, const std::string& page) {
    PublishPlan plan;
    plan.Pending = remote.value_or(PublishLedger{});
    plan.Final = local;

    std::vector<std::string> toSend;
    for (const auto& [name, entry] : local.Files())
        if (name != page && mustSend(name, entry, remote, present))
            toSend.push_back(name);
    if (const PublishLedger::Entry* entry = local.Find(page);
        entry && mustSend(page, *entry, remote, present))
        toSend.push_back(page);

    std::set<std::string> temporaries;
    std::vector<PublishStep> uploads, renames, removals;
    for (const std::string& name : toSend) {
        const PublishLedger::Entry& entry = *local.Find(name);
        const std::string temporary = TemporaryName(name, entry.Sha256);
        temporaries.insert(temporary);
        // Until its rename is confirmed, what lies under the name is unknown: a hash no file has.
        plan.Pending.Add(name, {0, std::string(64, '0')});
        plan.Pending.AddTemporary(temporary);
        std::uintmax_t resume = 0;
        if (remote && remote->Temporaries().count(temporary))
            resume = sizeThere(temporary, present).value_or(0);
        if (resume > entry.Size)
            resume = 0;
        if (resume < entry.Size || entry.Size == 0) {
            uploads.push_back({Kind::Upload, name, temporary, entry.Size, resume});
            ++plan.FilesToSend;
            plan.BytesToSend += entry.Size - resume;
        }
        renames.push_back({Kind::Rename, name, temporary, entry.Size, 0});
    }
    if (remote) {
        for (const std::string& temporary : remote->Temporaries())
            if (!temporaries.count(temporary) && present.count(temporary))
                removals.push_back({Kind::Remove, temporary, {}, 0, 0});
        for (const auto& [name, entry] : remote->Files())
            if (!local.Find(name) && present.count(name))
                removals.push_back({Kind::Remove, name, {}, 0, 0});
    }

    const bool ledgerCurrent = remote && remote->Files() == local.Files() && remote->Temporaries().empty();
    if (toSend.empty() && removals.empty() && ledgerCurrent)
        return plan;
    if (!toSend.empty())
        plan.Steps.push_back({Kind::WritePending, PublishLedger::FileName, {}, 0, 0});
    for (auto* group : {&uploads, &renames, &removals})
        plan.Steps.insert(plan.Steps.end(), group->begin(), group->end());
    plan.Steps.push_back({Kind::WriteLedger, PublishLedger::FileName, {}, 0, 0});
    return plan;
}

std::string ParentFolderOf(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? "" : name.substr(0, slash);
}

} // namespace targello
