#pragma once

namespace targello {

class AppContext;
class Autosave;
class ShopPage;

// Before a page closes, on its own or with the program: a changed page asks
// "Zapisz", "Nie zapisuj" or "Anuluj". True when the page may close: it was
// unchanged, saved, or its changes are to be given up. "Anuluj", and "Zapisz" with a save that failed or was
// cancelled, keep it open.
bool MayClosePage(AppContext& app, ShopPage& page, Autosave& autosave);

} // namespace targello
