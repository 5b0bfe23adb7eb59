#pragma once

#include <QString>

namespace targello {

class AppContext;
class PageView;
class ShopPage;
struct ProjectApplyReport;

// "Zapisz projekt" for `page`: writes it to a .esk file the user names in a
// dialog that starts on the page's own file. A page that does not fit the
// file format is refused before anything is written; the file is replaced
// whole or not at all. True when the page was saved: it is then unmarked and
// belongs to that file.
bool SavePage(AppContext& app, ShopPage& page);
// "Zapisz projekt" for the current page.
bool SaveProject(AppContext& app);

// "Otwórz projekt": reads a .esk file and rebuilds it as a new page beside the
// open ones. The whole file is checked before the page is created.
void OpenProject(AppContext& app);

// Opens the project at `path` as a new, unchanged page, as "Otwórz projekt"
// does after its dialog; nullptr when the file was refused (with the same
// message) or no page could be opened.
PageView* OpenProjectFile(AppContext& app, const QString& path);

// Shows a page just rebuilt from a project in its window: the layout, the
// price warnings of `report`, the pictures, the row bands and the options.
void ShowOpenedPage(AppContext& app, PageView& window, const ProjectApplyReport& report);

} // namespace targello
