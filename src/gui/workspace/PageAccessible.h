#pragma once

namespace targello {

class PageCanvas;

// Screen readers see every item of a page, painted or live: the page's
// surface lists four controls per item ("Obrazek produktu 3",
// "Nazwa produktu 3", "Cena produktu 3", "Opis produktu 3"); an item in view
// answers with its live controls, any other with objects of its own that
// read and write the item.
namespace PageAccessible {

// Makes Qt's accessibility ask us about page surfaces (once per program).
void install();
// The items of the page changed: objects of items that are gone are dropped.
void itemsChanged(PageCanvas* canvas);
// The page goes: every object made for it goes too.
void forget(PageCanvas* canvas);

} // namespace PageAccessible

} // namespace targello
