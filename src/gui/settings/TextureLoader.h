#pragma once

#include <QImage>
#include <QString>

namespace targello {

// The texture a settings dialog holds: the 50 × 50 swatch cut from the top
// left of the picture, and the 1200 × 150 strip tiled from the swatch that
// the page's row bands show.
struct TextureImages {
    static constexpr int SwatchSize = 50;
    static constexpr int StripWidth = 1200;
    static constexpr int StripHeight = 150;

    QImage swatch;
    QImage strip;

    // An empty (white) swatch and its strip, as before any texture is loaded.
    static TextureImages blank();
};

// Loads the picture at `path` as texture: its top-left 50 × 50 pixels,
// unscaled (a smaller picture leaves the rest white), become the swatch, which
// is also written to "temp.bmp" in `startDirectory`, and the strip is tiled
// from it. Returns the reason in Polish when the picture cannot be read or the
// swatch cannot be written; `texture` is then left as it was.
QString LoadTexture(const QString& path, const QString& startDirectory, TextureImages& texture);

// The strip of 1200 × 150 tiled from `swatch`.
QImage TileStrip(const QImage& swatch);

} // namespace targello
