#pragma once

#include <QString>

namespace targello {

class AppContext;
class PageView;
class ShopPage;
struct ProjectApplyReport;

// "Zapisz projekt" for `page`: writes it to its own file (the one it was
// opened from or last saved to) without a question, and asks as
// SavePageAs does while it has none.
bool SavePage(AppContext& app, ShopPage& page);
// "Zapisz projekt jako…": writes `page` to a .esk file the user names in a
// dialog that starts on the page's own file. A page that does not fit the
// file format is refused before anything is written; the file is replaced
// whole or not at all. True when the page was saved: it is then unmarked and
// belongs to that file.
bool SavePageAs(AppContext& app, ShopPage& page);
// "Zapisz projekt" for the current page.
bool SaveProject(AppContext& app);

// "Otwórz projekt": reads a .esk file and rebuilds it as a new page beside the
// open ones. The whole file is checked before the page is created.
void OpenProject(AppContext& app);

// Opens the project at `path` as a new, unchanged page, as "Otwórz projekt"
// does after its dialog; nullptr when the file was refused (with the same
// message) or no page could be opened.
PageView* OpenProjectFile(AppContext& app, const QString& path);

// "Otwórz przykładowy sklep": the sample shop of the program's data folder
// as a new page of no file, its pictures where the sample keeps them, so
// that saving asks for a file of the user's own and the sample stays as it
// is. nullptr when the sample cannot be read (with the reason shown).
PageView* OpenSampleShop(AppContext& app);
// Where the sample shop's project is looked for.
inline constexpr const char* SampleShopFile = "przyklad/sklep.esk";

// Shows a page just rebuilt from a project in its window: the layout, the
// price warnings of `report`, the pictures, the row bands and the options.
void ShowOpenedPage(AppContext& app, PageView& window, const ProjectApplyReport& report);

} // namespace targello
