#pragma once

#include <QString>

namespace targello {

class AppContext;

// "Zapisz projekt": writes the current page to a .esk file the user names.
// A page that does not fit the file format is refused before anything is
// written; the file is replaced whole or not at all.
void SaveProject(AppContext& app);

// "Otwórz projekt": reads a .esk file and rebuilds it as a new page beside the
// open ones. The whole file is checked before the page is created.
void OpenProject(AppContext& app);

// Opens the project at `path` as a new page, as "Otwórz projekt" does after
// its dialog; false when the file was refused or no page could be opened.
bool OpenProjectFile(AppContext& app, const QString& path);

} // namespace targello
