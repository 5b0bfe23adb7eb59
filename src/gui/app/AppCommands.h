#pragma once

class QMdiArea;

namespace targello {

class AppContext;

// "Poziomo": the page windows one above another, each as wide as the frame.
void TileHorizontally(QMdiArea& area);
// "Pionowo": the page windows side by side, each as tall as the frame.
void TileVertically(QMdiArea& area);
// Opens the help page (pomoc.html below the start directory, else the one
// installed with the program) in the desktop's browser.
void ShowHelp(AppContext& app);

} // namespace targello
