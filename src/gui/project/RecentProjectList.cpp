#include "gui/project/RecentProjectList.h"

#include "core/session/RecentProjects.h"

#include <QSettings>

namespace targello {
namespace {

const QString Key = QStringLiteral("ostatnioOtwierane");

RecentProjects load() {
    std::vector<std::string> stored;
    for (const QString& path : QSettings().value(Key).toStringList())
        stored.push_back(path.toStdString());
    return RecentProjects(stored);
}

void store(const RecentProjects& recent) {
    QStringList paths;
    for (const std::string& path : recent.Stored())
        paths.append(QString::fromStdString(path));
    QSettings().setValue(Key, paths);
}

} // namespace

QStringList RecentProjectPaths() {
    QStringList paths;
    const RecentProjects recent = load();
    for (const std::string& path : recent.Paths())
        paths.append(QString::fromStdString(path));
    return paths;
}

void RememberRecentProject(const QString& path) {
    RecentProjects recent = load();
    recent.Add(path.toStdString());
    store(recent);
}

QString ForgetRecentProjectIfMissing(const QString& path) {
    RecentProjects recent = load();
    const std::string message = recent.ForgetIfMissing(path.toStdString());
    if (!message.empty())
        store(recent);
    return QString::fromStdString(message);
}

} // namespace targello
