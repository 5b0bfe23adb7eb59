#include "TextureArt.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

struct Pane {
    double x, y;
    QColor glass;
};

// Panes of pale glass so that text on the rows stays readable.
const Pane Panes[] = {
    {8, 9, QColor(246, 206, 206)},   {30, 6, QColor(198, 223, 244)}, {44, 27, QColor(250, 228, 172)},
    {21, 26, QColor(204, 235, 207)}, {6, 38, QColor(222, 208, 241)}, {32, 42, QColor(212, 236, 240)},
    {16, 47, QColor(248, 240, 200)},
};

// Distance on the 50 × 50 torus, so that the panes continue across the edges.
double WrappedDistance(double x, double y, const Pane& pane) {
    double dx = std::abs(x - pane.x);
    double dy = std::abs(y - pane.y);
    dx = std::min(dx, Period - dx);
    dy = std::min(dy, Period - dy);
    return std::sqrt(dx * dx + dy * dy);
}

// The colour at a point: the nearest pane's glass, a little lighter in the
// pane's middle, or lead where two panes meet.
QColor Sample(double x, double y) {
    double nearest = 1e9;
    double second = 1e9;
    const Pane* pane = nullptr;
    for (const Pane& candidate : Panes) {
        const double d = WrappedDistance(x, y, candidate);
        if (d < nearest) {
            second = nearest;
            nearest = d;
            pane = &candidate;
        } else if (d < second) {
            second = d;
        }
    }
    if (second - nearest < 1.3)
        return QColor(150, 144, 136);
    // Pale glass, a little lighter towards the pane's middle.
    const double light = std::clamp(1.0 - nearest / 30.0, 0.0, 1.0);
    const double white = 0.3 + 0.15 * light;
    const QColor g = pane->glass;
    return QColor(static_cast<int>(g.red() + (255 - g.red()) * white),
                  static_cast<int>(g.green() + (255 - g.green()) * white),
                  static_cast<int>(g.blue() + (255 - g.blue()) * white));
}

} // namespace

QImage StainedGlass() {
    QImage tile(Period, Period, QImage::Format_RGB32);
    constexpr int Samples = 4; // per pixel and direction, for smooth lead lines
    for (int py = 0; py < Period; ++py)
        for (int px = 0; px < Period; ++px) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const QColor c = Sample(px + (sx + 0.5) / Samples, py + (sy + 0.5) / Samples);
                    r += c.red();
                    g += c.green();
                    b += c.blue();
                }
            constexpr int n = Samples * Samples;
            tile.setPixel(px, py, qRgb(r / n, g / n, b / n));
        }
    return RepeatTile(tile);
}

} // namespace artwork
