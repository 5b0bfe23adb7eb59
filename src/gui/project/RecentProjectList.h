#pragma once

#include <QString>
#include <QStringList>

namespace targello {

// The "Ostatnio otwierane" list as the program keeps it among its
// preferences: the last projects opened or saved, most recent first.
QStringList RecentProjectPaths();
// A project was opened from or saved to `path`.
void RememberRecentProject(const QString& path);
// For a project chosen from the list: when its file is gone, takes it off
// the list and gives the message to show; otherwise an empty text.
QString ForgetRecentProjectIfMissing(const QString& path);

} // namespace targello
