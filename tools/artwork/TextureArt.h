#pragma once

#include <QColor>
#include <QImage>
#include <functional>

class QPainter;

namespace artwork {

// Every texture repeats every 50 pixels both ways: the program shows a
// texture's top-left 50 × 50 corner repeated along the product rows, and the
// page repeats the whole picture, so both must look the same and join
// without a seam.
inline constexpr int Period = 50;
inline constexpr int PictureSize = 200;

// Paints `motif` on a 50 × 50 tile so that whatever crosses an edge comes in
// again on the opposite one, then repeats the tile over the whole picture.
QImage Seamless(const QColor& background, const std::function<void(QPainter&)>& motif);
QImage RepeatTile(const QImage& tile);

QImage SpiderWeb();
QImage Clover();
QImage StainedGlass();
QImage Mesh();
QImage Stars();
QImage Crystals();
QImage Notes();
QImage Gears();

} // namespace artwork
