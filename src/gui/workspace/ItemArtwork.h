#pragma once

#include <QImage>

namespace targello {

// The two pictures an item shows when it has no picture of its own, drawn
// at run time at the size items show pictures (133 x 94).
namespace ItemArtwork {

// A new item's picture: it invites the user to double-click it.
QImage placeholderPicture();
// An opened project's item whose picture file could not be loaded: a faint
// drawing with the words "brak obrazka".
QImage missingPicture();
// Shown for the moment a picture is still being read in the background.
QImage loadingPicture();

} // namespace ItemArtwork

} // namespace targello
